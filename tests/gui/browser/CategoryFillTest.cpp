// A fill with the profile's category: the page's category list gets the option that means it,
// with the events pages listen to; a list where nothing fits stays as the page set it and is
// left for the user; a list of another kind is never touched.
#include "support/BrowserDriver.h"
#include "support/LocalHttpServer.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageFiller.h"

#include <QTest>
#include <algorithm>

Q_DECLARE_METATYPE(std::vector<FormField>)

namespace {

// The category list's options of each page, /form/0 to /form/4.
const char* const kOptions[] = {
    "<option value=''>-- Select --</option><option value='1'>Arts</option>"
    "<option value='2'>Software</option>",
    "<option value=''>-- Select --</option><option value='1'>Pets</option>"
    "<option value='2'>Fashion</option>",
    "<option value=''>-- Select --</option><option value='1'>Pets</option>"
    "<option value='9'>Other</option>",
    "<option value='1'>Arts</option><option value='2'>Computers &gt; Software</option>",
    "<option value='1'>Arts</option><option value='2'>Software</option>",
};

std::string PageWith(const std::string& options)
{
    return R"(<!DOCTYPE html><html><body><form action="/result" method="post">
<label for="t">Title</label><input name="title" id="t">
<label for="c">Category</label>
<select name="category" id="c" onchange="this.dataset.changes = (+this.dataset.changes || 0) + 1">)" +
           options + R"(</select>
<label for="l">Language</label><select name="language" id="l"><option value="en">English</option>
<option value="de">Deutsch</option><option value="fr">Fran&ccedil;ais</option></select>
</form></body></html>)";
}

const FormField kTitle{"title", FieldType::Edit, 0, "Free Software Weekly"};

} // namespace

class CategoryFillTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void choosesTheCategoryOrLeavesIt_data();
    void choosesTheCategoryOrLeavesIt();

private:
    LocalHttpServer m_server;
    std::unique_ptr<CBrowserCtrl> m_browser;
    std::unique_ptr<BrowserDriver> m_driver;
};

void CategoryFillTest::initTestCase()
{
    m_server.server.Get(
        R"(/form/(\d))", [](const httplib::Request& request, httplib::Response& response) {
            response.set_content(PageWith(kOptions[std::stoi(request.matches[1])]), "text/html");
        });
    m_server.Start();
    m_browser = std::make_unique<CBrowserCtrl>();
    m_browser->resize(800, 600);
    m_browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_browser.get()));
    m_driver = std::make_unique<BrowserDriver>(*m_browser);
}

void CategoryFillTest::choosesTheCategoryOrLeavesIt_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<std::vector<FormField>>("fields");
    QTest::addColumn<QString>("category"); // the list's value after the fill
    QTest::addColumn<QString>("changes");  // change events the page heard
    QTest::addColumn<bool>("leftForUser"); // "Category" is named in "left for you"

    QTest::newRow("a list that fits") << 0 << std::vector<FormField>{kTitle} << "2"
                                      << "1" << false;
    QTest::newRow("nothing fits") << 1 << std::vector<FormField>{kTitle} << ""
                                  << "" << true;
    QTest::newRow("a catch-all is no fit") << 2 << std::vector<FormField>{kTitle} << ""
                                           << "" << true;
    // The rules' value is in neither list: the category list is chosen by meaning, the
    // language list keeps what the page set.
    QTest::newRow("the rules' value in no option")
        << 3
        << std::vector<FormField>{kTitle,
                                  {"category", FieldType::ComboBox, 0, "Information Technology"},
                                  {"language", FieldType::ComboBox, 0, "Information Technology"}}
        << "2"
        << "1" << false;
    // The rules chose an option the page already had selected: it stays, Software or not.
    QTest::newRow("the rules' value in an option")
        << 4 << std::vector<FormField>{kTitle, {"category", FieldType::ComboBox, 0, "1"}} << "1"
        << "" << false;
}

void CategoryFillTest::choosesTheCategoryOrLeavesIt()
{
    QFETCH(int, page);
    QFETCH(std::vector<FormField>, fields);
    QVERIFY(m_driver->Load(QString::fromStdString(m_server.Url("/form/" + std::to_string(page)))));

    QObject context;
    std::optional<FillReport> report;
    CPageFiller(*m_browser->GetDocument())
        .Fill(
            fields, &context, [&report](const FillReport& done) { report = done; }, {},
            CategoryProfile{"Information Technology", "Software", {}, {}, {}});
    WAIT_VERIFY(report.has_value(), BrowserDriver::kTimeoutMs);

    QFETCH(QString, category);
    WAIT_COMPARE(m_driver->RunText(QStringLiteral("document.getElementById('c').value")), category,
                 BrowserDriver::kTimeoutMs);
    QTEST(m_driver->RunText(QStringLiteral("document.getElementById('c').dataset.changes || ''")),
          "changes");
    QCOMPARE(m_driver->RunText(QStringLiteral("document.getElementById('l').value")),
             QStringLiteral("en"));
    QTEST(std::count(report->leftForUser.begin(), report->leftForUser.end(), "Category") == 1,
          "leftForUser");
}

QTEST_MAIN(CategoryFillTest)
#include "CategoryFillTest.moc"
