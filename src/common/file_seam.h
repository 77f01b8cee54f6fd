// Where a test stands in for the card under the file layer. The writer
// tells the seam every step it takes on the file system, in order, and the
// read-back asks it for the file as the medium holds it, beneath the
// system's cache. With no seam in place (the program itself) the steps go
// nowhere and the read-back goes to the card.
#pragma once

#include <cstdint>
#include <vector>

#include "file_io.h"

namespace trailcfg {

enum class FileStepKind {
    Create,        // a new, empty file at `path`
    Write,         // `bytes` at the start of `path`, not yet flushed
    FlushFile,     // the data of `path` is on the medium
    Close,         // `path` is closed
    Rename,        // `path` takes the name `to`, replacing what had it
    FlushFolder,   // the names in the folder `path` are on the medium
    Remove,        // `path` is removed
    MakeFolder,    // a new, empty folder at `path`
    RemoveFolder,  // the empty folder `path` is removed
};

struct FileStep {
    FileStepKind kind;
    NativePath path;
    NativePath to;
    std::vector<std::uint8_t> bytes;
    // On Windows the rename is written through: on the medium when it returns.
    bool durable = false;
};

class FileSeam {
public:
    virtual ~FileSeam() = default;
    // Called after each step has succeeded.
    virtual void Took(const FileStep& step) = 0;
    // The file as the medium holds it. False to leave the read to the card.
    virtual bool ReadMedium(const NativePath& file, std::vector<std::uint8_t>& bytes) = 0;
};

// Puts `seam` under this thread's file layer for as long as it lives.
class ScopedFileSeam {
public:
    explicit ScopedFileSeam(FileSeam& seam);
    ~ScopedFileSeam();
    ScopedFileSeam(const ScopedFileSeam&) = delete;
    ScopedFileSeam& operator=(const ScopedFileSeam&) = delete;

private:
    FileSeam* previous_;
};

// The file layer's side: the seam in place on this thread, or none.
FileSeam* CurrentFileSeam();
void TellFileSeam(const FileStep& step);

}  // namespace trailcfg
