#include "file_seam.h"

namespace trailcfg {

namespace {
// One per thread, so that a test's seam never sees another thread's card.
thread_local FileSeam* t_seam = nullptr;
}  // namespace

ScopedFileSeam::ScopedFileSeam(FileSeam& seam) : previous_(t_seam) { t_seam = &seam; }

ScopedFileSeam::~ScopedFileSeam() { t_seam = previous_; }

FileSeam* CurrentFileSeam() { return t_seam; }

void TellFileSeam(const FileStep& step) {
    if (t_seam) t_seam->Took(step);
}

}  // namespace trailcfg
