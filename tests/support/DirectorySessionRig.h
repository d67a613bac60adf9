#pragma once

#include "directory_db/DirectoryDatabase.h"
#include "profiles/ProfileStore.h"
#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/FileBytes.h"
#include "support/RecordingPresenter.h"
#include "support/TemporaryFolder.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/profiles/CurrentProfile.h"
#include "ui/tabs/CategoryPicks.h"
#include "ui/tabs/SubmissionSession.h"

#include <QTest>
#include <QTimer>
#include <QWebChannel>
#include <memory>

// One page's submission session on a browser of its own, without a main window: a database of
// the one directory given, Ann's profile (title, feed, e-mail) as the current one, a browser
// shown with a probe on its channel, and the session's 100 ms tick. The session's clock reads
// `now`, which the test moves on.
class DirectorySessionRig
{
public:
    // `directoryXml` is the database's one directory element. Ann's category and the file her
    // category picks are remembered in are the members below, when set before.
    [[nodiscard]] bool Start(const std::string& directoryXml)
    {
        WriteWholeFile(m_folder.File("dirdata.xml"), "<r>" + directoryXml + "</r>");
        if (!m_database.LoadFile(m_folder.File("dirdata.xml")))
            return false;
        ProfileRecord ann;
        ann.name = "Ann";
        ann.title = "Ann's feed";
        ann.url = "http://ann.example/feed.xml";
        ann.email = "ann@mail.example";
        ann.cat = category;
        ann.subcat = subcategory;
        m_store.AddProfile(ann);
        m_profile = std::make_unique<CCurrentProfile>(m_store, DataFolder::At(m_folder.File("")),
                                                      messages, nullptr);
        if (!m_profile->Pick("Ann"))
            return false;
        browser.Channel()->registerObject(QStringLiteral("probe"), &probe);
        browser.resize(800, 600);
        browser.show();
        if (!QTest::qWaitForWindowExposed(&browser))
            return false;
        session = std::make_unique<CSubmissionSession>(
            browser, m_database, *m_profile, [this] { return now; }, messages, nullptr,
            categoryChoices);
        QObject::connect(&m_ticks, &QTimer::timeout, session.get(), &CSubmissionSession::Tick);
        m_ticks.start(100);
        return true;
    }

    // Runs `action` on every tick from now on.
    void OnTick(QObject* context, std::function<void()> action)
    {
        QObject::connect(&m_ticks, &QTimer::timeout, context, std::move(action));
    }

    // Declared in the order they are built in: the session outlives nothing it refers to.
    RecordingPresenter messages;
    std::string category;
    std::string subcategory;
    std::shared_ptr<CCategoryChoiceFile> categoryChoices;

private:
    TemporaryFolder m_folder;
    CDirectoryDatabase m_database{messages};
    CProfileStore m_store;
    std::unique_ptr<CCurrentProfile> m_profile;
    QTimer m_ticks;

public:
    CBrowserCtrl browser;
    ChannelProbe probe;
    BrowserDriver driver{browser};
    uint32_t now = 1000;
    std::unique_ptr<CSubmissionSession> session;
};
