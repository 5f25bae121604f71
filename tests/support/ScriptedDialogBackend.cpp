#include "support/ScriptedDialogBackend.h"

namespace platform {

void ScriptedDialogBackend::CheckNotBusy(std::string_view what) const {
    if (busy_) {
        throw Unscripted(std::string(what) +
                         " was asked for while the program showed itself busy.");
    }
}

std::optional<std::string> ScriptedDialogBackend::ChooseFileToOpen(std::string_view filter) {
    CheckNotBusy("The open dialog");
    openRequests_.emplace_back(filter);
    if (openAnswers_.empty()) {
        throw Unscripted("The open dialog was asked for, but no answer is queued for it.");
    }
    std::optional<std::string> answer = std::move(openAnswers_.front());
    openAnswers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogBackend::ChooseFileToSave(std::string_view filter,
                                                                   std::string_view proposedName) {
    CheckNotBusy("The save dialog");
    saveRequests_.push_back(SaveRequest{std::string(filter), std::string(proposedName)});
    if (saveAnswers_.empty()) {
        throw Unscripted("The save dialog was asked for, but no answer is queued for it.");
    }
    std::optional<std::string> answer = std::move(saveAnswers_.front());
    saveAnswers_.pop_front();
    return answer;
}

void ScriptedDialogBackend::ShowMessage(std::string_view text) {
    CheckNotBusy("A message box");
    messages_.emplace_back(text);
}

bool ScriptedDialogBackend::OpenInDefaultApplication(const std::string& path) {
    launched_.push_back(path);
    return launchSucceeds_;
}

bool ScriptedDialogBackend::OpenUrl(std::string_view address) {
    urls_.emplace_back(address);
    return launchSucceeds_;
}

void ScriptedDialogBackend::Busy(bool busy) {
    busy_ = busy;
    busyChanges_.push_back(busy);
}

void ScriptedDialogBackend::ClearRecords() {
    openRequests_.clear();
    saveRequests_.clear();
    messages_.clear();
    launched_.clear();
    urls_.clear();
    busyChanges_.clear();
}

}  // namespace platform
