// The user's own pick on a directory's category list: remembered once the filled form is
// submitted, and chosen by the next fill of that directory after a restart, which says so; a
// fill whose list no longer holds the pick, or for a profile of another category, chooses by
// meaning as before.
#include "page_filling/FillReport.h"
#include "support/DirectorySessionRig.h"
#include "support/LocalHttpServer.h"
#include "support/TemporaryFolder.h"
#include "support/WaitUntil.h"
#include "ui/browser/PageEvents.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// The category list's options of each page.
const char* const kOptions[] = {
    "<option value=''>-- Select --</option><option value='1'>Arts</option>"
    "<option value='2'>Software</option><option value='3'>Games</option>",
    // Renumbered since.
    "<option value=''>-- Select --</option><option value='7'>Games</option>"
    "<option value='8'>Arts</option><option value='9'>Software</option>",
    // Games is gone.
    "<option value=''>-- Select --</option><option value='1'>Arts</option>"
    "<option value='2'>Software</option>",
};

std::string PageWith(const std::string& options)
{
    return R"(<!DOCTYPE html><html><body><form action="/result" method="post">
<input name="title"><label for="c">Category</label><select name="cat_id" id="c">)" +
           options + R"(</select><button id="send">Send</button></form></body></html>)";
}

} // namespace

class CategoryChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void thePickIsChosenNextTime_data();
    void thePickIsChosenNextTime();

private:
    struct Fill
    {
        QString category; // the list's value after it
        FillReport report;
    };
    // Opens the page of Alpha for a profile of `category` ("Category/Subcategory") in a window
    // of its own on the folder's history; `pick`, unless empty, is typed into the category list
    // (choosing the option it begins) and the form submitted.
    std::optional<Fill> FillAndSubmit(int page, const QString& category, const QString& pick);

    LocalHttpServer m_server;
    TemporaryFolder m_dataFolder;
    int m_page = 0; // served at /form
};

void CategoryChoiceTest::initTestCase()
{
    m_server.server.Get("/form", [this](const httplib::Request&, httplib::Response& response) {
        response.set_content(PageWith(kOptions[m_page]), "text/html");
    });
    m_server.server.Post("/result", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body>Thank you</body></html>", "text/html");
    });
    m_server.Start();
}

std::optional<CategoryChoiceTest::Fill>
CategoryChoiceTest::FillAndSubmit(int page, const QString& category, const QString& pick)
{
    m_page = page;
    DirectorySessionRig rig;
    rig.category = category.section(QLatin1Char('/'), 0, 0).toStdString();
    rig.subcategory = category.section(QLatin1Char('/'), 1).toStdString();
    rig.categoryChoices =
        std::make_shared<CCategoryChoiceFile>(m_dataFolder.File("history.sqlite"));
    if (!rig.Start("<directory name=\"Alpha\" submiturl=\"" + m_server.Url("/form") +
                   "\"><item name=\"title\" index=\"0\" value=\"#title#\" type=\"edit\"/>"
                   "</directory>"))
        return std::nullopt;
    QSignalSpy filled(rig.session.get(), &CSubmissionSession::filled);
    rig.session->OpenDirectory("Alpha");
    const QString value = QStringLiteral("document.getElementById('c').value");
    // The list is chosen, or left, once the page has taken the watch of the list as well.
    if (!WaitUntil([&] { return filled.count() == 1; }, BrowserDriver::kTimeoutMs) ||
        !rig.driver.WaitForRenderedFrame(rig.probe.renderedFrames))
        return std::nullopt;
    Fill fill{rig.driver.RunText(value), filled.at(0).at(2).value<FillReport>()};
    if (pick.isEmpty())
        return fill;

    rig.browser.setFocus();
    rig.driver.Run(QStringLiteral("document.getElementById('c').focus()"));
    QTest::keyClicks(rig.browser.focusProxy(), pick);
    const QString picked = QStringLiteral("document.getElementById('c').selectedOptions[0].text");
    if (!WaitUntil([&] { return rig.driver.RunText(picked).startsWith(pick); },
                   BrowserDriver::kTimeoutMs) ||
        !rig.driver.WaitForRenderedFrame(rig.probe.renderedFrames))
        return std::nullopt;
    rig.driver.Click(QStringLiteral("send"));
    if (!WaitUntil([&] { return rig.session->Snapshot().submitted; }, BrowserDriver::kTimeoutMs))
        return std::nullopt;
    return fill;
}

void CategoryChoiceTest::thePickIsChosenNextTime_data()
{
    QTest::addColumn<QString>("pick");        // typed into the list on the first fill
    QTest::addColumn<int>("nextPage");        // the page the next fill meets
    QTest::addColumn<QString>("nextProfile"); // the next fill's profile's category/subcategory
    QTest::addColumn<QString>("nextValue");   // the list's value after the next fill
    QTest::addColumn<bool>("asChosen");       // its report says "as you chose last time"

    const QString it = QStringLiteral("Information Technology/Software");
    QTest::newRow("picked by hand") << "Games" << 0 << it << "3" << true;
    QTest::newRow("the page renumbered its options") << "Games" << 1 << it << "7" << true;
    QTest::newRow("the option is gone") << "Games" << 2 << it << "2" << false;
    QTest::newRow("a profile of another category") << "Games" << 0 << "Computers/Software"
                                                   << "2" << false;
    QTest::newRow("a profile of another subcategory")
        << "Games" << 0 << "Information Technology/Programming"
        << "2" << false;
    QTest::newRow("the program's choice kept") << "Software" << 0 << it << "2" << false;
}

void CategoryChoiceTest::thePickIsChosenNextTime()
{
    QFETCH(QString, pick);
    QFETCH(int, nextPage);
    QFETCH(QString, nextProfile);
    QFETCH(bool, asChosen);
    QFile::remove(QString::fromStdString(m_dataFolder.File("history.sqlite")));

    const std::optional<Fill> first =
        FillAndSubmit(0, QStringLiteral("Information Technology/Software"), pick);
    QVERIFY(first);
    QCOMPARE(first->category, QStringLiteral("2")); // Software, by meaning
    QVERIFY(!first->report.categoryAsChosenBefore);

    const std::optional<Fill> next = FillAndSubmit(nextPage, nextProfile, {});
    QVERIFY(next);
    QTEST(next->category, "nextValue");
    QCOMPARE(next->report.categoryAsChosenBefore, asChosen);
    QCOMPARE(DescribeFill(next->report).text.find("Category: as you chose last time") !=
                 std::string::npos,
             asChosen);
}

QTEST_MAIN(CategoryChoiceTest)
#include "CategoryChoiceTest.moc"
