// Names from the database and a profile that Qt would read as markup, at every place the main
// window shows them: message boxes, questions, the confirmation dialog and the status bar. An
// <img src="/dev/zero"> read as markup makes Qt read that file until memory runs out; "<b>"
// shows whether a text is read as markup without that harm.
#include "support/BrowserDriver.h"
#include "support/ChannelProbe.h"
#include "support/SubmitterDlgInspector.h"
#include "support/SubmitterTestEnvironment.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QWebChannel>

namespace {

const QString kMarkup = QStringLiteral("<b>");

constexpr char kFormPage[] = "<!DOCTYPE html><html><body><form action=\"/result\" method=\"post\">"
                             "<input name=\"f1\"><button id=\"send\" type=\"submit\">Send"
                             "</button></form></body></html>";

// A directory of the database whose page cannot be opened, with a field the form lacks.
constexpr char kVendorDirectory[] =
    "<directory name=\"&lt;b&gt;Vendor&lt;/b&gt;\" submiturl=\"javascript:void(0)\" "
    "onsubmit=\"x\"><item name=\"&lt;b&gt;gone&lt;/b&gt;\" index=\"0\" value=\"#url#\" "
    "type=\"edit\"/><item name=\"f1\" index=\"0\" value=\"#url#\" type=\"edit\"/></directory>";

constexpr char kFillF1[] = "<item name=\"f1\" index=\"0\" value=\"#url#\" type=\"edit\"/>";

bool ReadsAsMarkup(const QLabel& label)
{
    return label.textFormat() == Qt::RichText ||
           (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
}

// Looks at every label that shows one of the names, in the window and in each dialog as it
// opens; each dialog is then turned down, so that nothing changes and the test goes on.
class LabelSweep final : public QObject
{
public:
    LabelSweep() { qApp->installEventFilter(this); }
    ~LabelSweep() override { qApp->removeEventFilter(this); }

    void Sweep(const QWidget& widget)
    {
        for (const QLabel* label : widget.findChildren<QLabel*>()) {
            if (!label->text().contains(kMarkup))
                continue;
            seen.append(label->text());
            if (ReadsAsMarkup(*label))
                readAsMarkup.append(label->text());
        }
    }
    bool Saw(const QString& part) const
    {
        return std::any_of(seen.begin(), seen.end(),
                           [&part](const QString& text) { return text.contains(part); });
    }

    QStringList seen;
    QStringList readAsMarkup;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && event->type() == QEvent::Show) {
            Sweep(*dialog);
            QTimer::singleShot(0, dialog, &QDialog::reject);
        }
        return false;
    }
};

QAction* MenuCommand(QMenuBar& menuBar, const QString& text)
{
    for (QAction* menu : menuBar.actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    qFatal("no menu command %s", qPrintable(text));
}

} // namespace

class PlainTextSweepTest : public QObject
{
    Q_OBJECT

private slots:
    void namesShowLiterallyEverywhere()
    {
        SubmitterTestEnvironment env;
        env.server.server.Get("/form", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(kFormPage, "text/html");
        });
        env.server.server.Post("/result", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("<html><body><p>Thanks</p></body></html>", "text/html");
        });
        env.Start();
        env.WriteProgramFile("dirdata.xml", DirectoryDatabaseXml({kVendorDirectory}));
        env.WriteProgramFile(
            "mydirs.xml",
            DirectoryDatabaseXml({"<directory name=\"&lt;b&gt;Mine&lt;/b&gt;\" "
                                  "submiturl=\"" +
                                  env.server.Url("/form") + "\">" + kFillF1 + "</directory>"}));
        env.WriteProgramFile("sv.dat",
                             StateFileLines({"<b>Ann</b>", "1"}) + ProfileBlock("<b>Ann</b>", ""));
        SubmitterEnvironment environment = env.Environment();
        environment.windowMessages = nullptr; // the real boxes
        environment.databaseMessages = nullptr;
        LabelSweep sweep;
        ChannelProbe probe;
        CSubmitterDlg window(environment);
        Inspect(window).Browser()->Channel()->registerObject(QStringLiteral("probe"), &probe);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(Inspect(window).WaitForDatabase());
        BrowserDriver driver(*Inspect(window).Browser());
        QVERIFY(driver.WaitUntilComplete());

        // A page that cannot be opened, then the Fill button on the form still shown.
        QVERIFY(driver.Load(QString::fromStdString(env.server.Url("/form"))));
        Inspect(window).PickDirectoryRow(0);
        Inspect(window).FillButton()->click();
        WAIT_VERIFY(Inspect(window).FillStatus()->text().contains(kMarkup),
                    BrowserDriver::kTimeoutMs);
        sweep.Sweep(window);
        // A directory of the database that the user tries to edit.
        MenuCommand(*window.menuBar(), QStringLiteral("&Edit…"))->trigger();

        // The user's own directory, sent without a confirmation text to look for.
        Inspect(window).PickDirectoryRow(1);
        QVERIFY(
            WaitUntil([&] { return !Inspect(window).FillPending(); }, BrowserDriver::kTimeoutMs));
        QVERIFY(driver.WaitForRenderedFrame(probe.renderedFrames));
        driver.Click(QStringLiteral("send"));
        QVERIFY(WaitUntil([&] { return Inspect(window).Submitted(); }, BrowserDriver::kTimeoutMs));
        QVERIFY(WaitUntil(
            [&] {
                return Inspect(window).Browser()->url().path() == QStringLiteral("/result") &&
                       Inspect(window).Browser()->GetReadyState() ==
                           CBrowserCtrl::kReadyStateComplete;
            },
            BrowserDriver::kTimeoutMs));
        env.now = Inspect(window).SubmitTime() + 3001;
        QVERIFY(WaitUntil([&] { return sweep.Saw(QStringLiteral("does not know yet how")); },
                          BrowserDriver::kTimeoutMs));
        MenuCommand(*window.menuBar(), QStringLiteral("&Remove"))->trigger();

        const QStringList places{
            QStringLiteral("sent for <b>Ann</b>"),
            QStringLiteral("\"<b>Vendor</b>\" cannot be opened"),
            QStringLiteral("not found: <b>gone</b>"),
            QStringLiteral("<b>Vendor</b>\" comes with the directory database"),
            QStringLiteral("how \"<b>Mine</b>\" confirms"),
            QStringLiteral("Remove \"<b>Mine</b>\"")};
        for (const QString& place : places)
            QVERIFY2(sweep.Saw(place), qPrintable(place + " was not shown"));
        QVERIFY2(sweep.readAsMarkup.isEmpty(), qPrintable(sweep.readAsMarkup.join(u'\n')));
    }
};

QTEST_MAIN(PlainTextSweepTest)
#include "PlainTextSweepTest.moc"
