#include "backend.h"

namespace trailcfg {

std::uint16_t BackendPlatform::SystemDefaultLanguage() {
    return driver_ ? driver_->SystemDefaultLanguage() : PersonLanguage();
}

LocalTime BackendPlatform::Now() { return driver_ ? driver_->Now() : PersonNow(); }

bool BackendPlatform::BrowseFolder(Dialog& owner, std::string& folder) {
    return driver_ ? driver_->AnswerFolder(folder) : PersonBrowseFolder(owner, folder);
}

void BackendPlatform::ShowMessage(Dialog& owner, const char* text, const char* caption, MessageIcon icon) {
    const std::string gbkText = text ? text : "";
    const std::string gbkCaption = caption ? caption : "";
    if (driver_)
        driver_->RecordMessage(gbkCaption, gbkText, icon);
    else
        PersonShowMessage(owner, gbkText, gbkCaption, icon);
}

void BackendPlatform::StartTimer(Dialog& dialog, int timerId, int periodMs) {
    if (auto* page = dynamic_cast<BackendPage*>(&dialog)) page->StartTimer(timerId, periodMs);
}

void BackendPlatform::StopTimer(Dialog& dialog, int timerId) {
    if (auto* page = dynamic_cast<BackendPage*>(&dialog)) page->StopTimer(timerId);
}

}  // namespace trailcfg
