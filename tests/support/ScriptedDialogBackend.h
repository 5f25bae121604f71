#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/data/DialogBackend.h"

namespace platform {

// A DialogBackend for tests and benchmarks: the dialogs' answers are queued in advance, and
// what the program showed, launched and opened is recorded. A dialog asked for without a
// queued answer, or while the program shows itself busy, raises Unscripted (not a
// RuntimeException, so that no handler of the program mistakes it for its own), so a test
// never waits for a user who is not there.
class ScriptedDialogBackend : public DialogBackend {
public:
    class Unscripted : public std::logic_error {
    public:
        using std::logic_error::logic_error;
    };

    struct SaveRequest {
        std::string filter;
        std::string proposedName;
    };

    // The open dialog's next answer: the path, or a cancel.
    void AnswerOpen(std::string path) { openAnswers_.emplace_back(std::move(path)); }
    void CancelOpen() { openAnswers_.emplace_back(std::nullopt); }

    // The save dialog's next answer: the path, or a cancel.
    void AnswerSave(std::string path) { saveAnswers_.emplace_back(std::move(path)); }
    void CancelSave() { saveAnswers_.emplace_back(std::nullopt); }

    // What OpenInDefaultApplication and OpenUrl report from now on (true unless told).
    void LaunchSucceeds(bool succeeds) { launchSucceeds_ = succeeds; }

    std::optional<std::string> ChooseFileToOpen(std::string_view filter) override;
    std::optional<std::string> ChooseFileToSave(std::string_view filter,
                                                std::string_view proposedName) override;
    void ShowMessage(std::string_view text) override;
    bool OpenInDefaultApplication(const std::string& path) override;
    bool OpenUrl(std::string_view address) override;
    void Busy(bool busy) override;

    // What was asked and shown, in order.
    const std::vector<std::string>& OpenRequests() const { return openRequests_; }
    const std::vector<SaveRequest>& SaveRequests() const { return saveRequests_; }
    const std::vector<std::string>& Messages() const { return messages_; }
    const std::vector<std::string>& Launched() const { return launched_; }
    const std::vector<std::string>& Urls() const { return urls_; }
    // Every begin (true) and end (false) of the busy state.
    const std::vector<bool>& BusyChanges() const { return busyChanges_; }

    // Answers queued and not yet used.
    std::size_t PendingAnswers() const { return openAnswers_.size() + saveAnswers_.size(); }

    // Forgets the records (not the queued answers).
    void ClearRecords();

private:
    std::deque<std::optional<std::string>> openAnswers_;
    std::deque<std::optional<std::string>> saveAnswers_;
    std::vector<std::string> openRequests_;
    std::vector<SaveRequest> saveRequests_;
    std::vector<std::string> messages_;
    std::vector<std::string> launched_;
    std::vector<std::string> urls_;
    std::vector<bool> busyChanges_;
    bool launchSucceeds_ = true;
    bool busy_ = false;

    void CheckNotBusy(std::string_view what) const;
};

}  // namespace platform
