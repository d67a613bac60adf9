#pragma once

#include "common/MessagePresenter.h"
#include "common/MillisecondClock.h"
#include "directory_db/FormField.h"
#include "page_filling/BackgroundSendWatch.h"
#include "page_filling/FillReport.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QUrl>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CBrowserCtrl;
class CBrowserPage;
class CCategoryChoiceFile;
class CCategoryPicks;
class CCurrentProfile;
class CDirectoryDatabase;
class QEventLoop;

// One browser page's submission: the directory its page belongs to, the fill armed when the
// program opened that page, the form's submission and the later reading of the result page for
// the directory's confirmation text. It reports what happened by signals; the rules of when a
// fill applies, when a submission counts and when its result is read are the core's.
class CSubmissionSession final : public QObject
{
    Q_OBJECT

public:
    // The per-page state as a whole, to show it or to carry it over to another view.
    struct State
    {
        std::string directory;
        bool fillPending = false;
        bool submitted = false;
        uint32_t submitTime = 0;
        std::string submitProfile;
    };

    // The user's category picks are remembered in `categoryChoices`; without it, not at all.
    CSubmissionSession(CBrowserCtrl& browser, const CDirectoryDatabase& database,
                       const CCurrentProfile& profile, MillisecondClock clock,
                       MessagePresenter& presenter, QObject* parent,
                       std::shared_ptr<CCategoryChoiceFile> categoryChoices = nullptr);

    // Opens the directory's submission page for the current profile and arms its fill. An
    // address the browser cannot open leaves the page shown, ready for the Fill button.
    void OpenDirectory(const std::string& directory);
    // The Fill button: fills the page shown by the directory's rules once it has loaded.
    void FillNow();
    // The 100 ms tick: the pending fill, and the submission's check once it is due.
    void Tick();
    // The page's filled form was submitted.
    void OnFormSubmit();
    // The page's filled form was submitted by the page's own scripts, without leaving the page.
    void OnFormSentInBackground();
    // The page shown now belongs to `directory` (a directory saved under a new name).
    void SetDirectory(const std::string& directory) { m_directory = directory; }
    // Whether the page was opened, and filled, for the current profile by the directory's rules
    // as they are now: a page kept ready for later may have been filled before either changed.
    bool IsOpenedForCurrentProfile() const;
    // A confirmation page being read may still bring a sent mark: closing waits for the reads,
    // with the event loop running, until `deadline` at the latest.
    void WaitForPageReads(QDeadlineTimer deadline);
    // Submitted, and its result page not read yet.
    bool HasPendingResult() const { return m_submitted || m_pendingPageReads > 0; }

    const std::string& Directory() const { return m_directory; }
    State Snapshot() const;
    void Restore(const State& state);

signals:
    void opened(const std::string& directory, const QUrl& page);
    // `fieldsTotal` is the number of the directory's fields; `byButton` for the Fill button.
    void filled(const std::string& directory, const QUrl& page, const FillReport& report,
                int fieldsTotal, bool byButton);
    void submitted(const std::string& directory, const QUrl& page);
    // The result page was read for a directory that has a confirmation text.
    void confirmationRead(const std::string& directory, const QUrl& page, bool confirmed);
    // The submission was confirmed: the directory is to be marked sent for the profile.
    void confirmed(const std::string& profile, const std::string& directory);
    // One of the user's own directories that does not know its confirmation text yet.
    void confirmationUnknown(const std::string& directory, const std::string& profile,
                             const std::string& html);
    // A result page's reading has ended, with a finding or without one (the page went away).
    void resultSettled(const std::string& directory);

private:
    void InstallSubmitEventSink(std::shared_ptr<CCategoryChoiceFile> categoryChoices);
    // A document is ready: when it is the pending fill's, the fill need not wait for the tick.
    void OnPageReady(const QUrl& url);
    void FillCurrentPage(CBrowserPage& page, bool byButton);
    void CheckSubmission(CBrowserPage& page);
    void JudgeResultPage(const std::string& directory, const std::string& profile,
                         const QUrl& address, const std::string& html,
                         const std::shared_ptr<void>& settled);
    void ReportResult(const std::string& directory, const std::string& profile, const QUrl& address,
                      bool isConfirmed);
    void OnSubmitCancelled();
    void OnPageRequest(const PageRequest& request);
    void OnPageReadSettled(const std::string& directory);
    // The directory's fields for the current profile's category, placeholders in place.
    std::vector<FormField> DirectoryFields() const;
    // The directory's fields with the current profile's values: what a fill puts in.
    std::vector<FormField> ComposedFields() const;

    CBrowserCtrl& m_browser;
    const CDirectoryDatabase& m_database;
    const CCurrentProfile& m_profile;
    MillisecondClock m_clock;
    MessagePresenter& m_presenter;
    std::string m_directory;
    bool m_fillPending = false;
    bool m_openingOwnPage = false; // while the session itself asks the browser for a page
    std::string m_openedFor;       // the profile the page was opened for
    std::string m_openedAddress;   // the address the directory's rules gave for it
    std::optional<std::vector<FormField>> m_filledWith; // what the program's fill put in
    uint64_t m_fillDocument = 0; // the page's document generation when the fill was armed
    QUrl m_fillUrl;              // the address the fill's page was opened at
    bool m_submitted = false;
    uint32_t m_submitTime = 0;
    std::string m_submitProfile;   // whose values the submitted form carried
    uint64_t m_submitDocument = 0; // the document the form was submitted from
    CBackgroundSendWatch m_backgroundSend;
    CCategoryPicks* m_categoryPicks = nullptr;
    int m_pendingPageReads = 0;
    QEventLoop* m_pageReadWait = nullptr; // while a close waits for the page reads
};
