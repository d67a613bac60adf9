// Real pages of the form corpus beside the repository, shown in the program's browser: on each,
// no field that must never be filled gets a meaning, and every field a profile answers that
// the page shows gets its own. The pages are chosen for the patterns they hold.
#include "support/FormCorpus.h"

#include "page_filling/FieldClassifier.h"
#include "support/CorpusBrowser.h"
#include "support/CorpusVerdict.h"

#include <QDir>
#include <QTest>
#include <algorithm>

namespace {

constexpr int kPageTimeoutMs = 20000;

} // namespace

class FormCorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void judgedFieldsGetTheirMeaningsAndNoOthers_data();
    void judgedFieldsGetTheirMeaningsAndNoOthers();

private:
    std::vector<CorpusPage> m_pages;
    std::optional<CAnnotationTable> m_table;
    std::unique_ptr<CCorpusBrowser> m_browser;
};

void FormCorpusTest::initTestCase()
{
    const std::string folder =
        QDir::cleanPath(QStringLiteral(KESTRINE_FORM_CORPUS_DIR)).toStdString();
    auto pages = ReadCorpusIndex(folder);
    if (!pages)
        QSKIP(qPrintable(QStringLiteral("No form corpus in %1: nothing to check.")
                             .arg(QString::fromStdString(folder))));
    m_pages = std::move(*pages);
    m_table = CAnnotationTable::Read(KESTRINE_ANNOTATION_TYPES);
    QVERIFY2(m_table.has_value(), KESTRINE_ANNOTATION_TYPES);
    m_browser = std::make_unique<CCorpusBrowser>(folder);
}

void FormCorpusTest::judgedFieldsGetTheirMeaningsAndNoOthers_data()
{
    QTest::addColumn<QString>("file");
    const char* const pages[][2] = {
        {"search box named keywords, category select", "www.brownpapertickets.com-2"},
        {"search with a category select", "www.tradingpost.com.au-0"},
        {"keywords search beside a login", "forums.debian.net-0"},
        {"search input type", "teknoisme.com-0"},
        {"hotel search with a name box", "www.orbitz.com-0"},
        {"filters only", "www.isos.com.br-2"},
        {"login by e-mail", "www.wilsonsleather.com-0"},
        {"login with username and e-mail", "owners.honda.com-0"},
        {"login by button, no password", "shop.avastkorea.com-1"},
        {"display name", "account.swtor.com-1"},
        {"screen name", "climatecolab.org-1"},
        {"Portuguese user name", "www.acozinhar.pt-1"},
        {"honeypot label, Danish user name", "vorespuls.dk-3"},
        {"honeypot label beside name and e-mail", "vorespuls.dk-4"},
        {"honeypot note after the field", "www.disasterkleen.com-0"},
        {"billing and shipping addresses, company", "www.christmascentral.com-2"},
        {"postal address fields", "destinet.eu-1"},
        {"middle initial", "www.campmor.com-1"},
        {"name of your organisation", "surveys.trust.org-0"},
        {"name or organisation", "www.caltronind.com-0"},
        {"URL boxes and a property name", "rentals.petswelcome.com-0"},
        {"agency name, company URL", "www.agentcenter.windstarcruises.com-0"},
        {"table form with colon captions", "ohrana-bgd.narod.ru-1"},
        {"Slovak names", "motoride.sk-1"},
        {"Japanese caption with required mark", "www.zeiri4.com-2"},
        {"framework prefix holding mail", "www.route41.fr-1"},
        {"login form word in a password reset", "us.vocuspr.com-1"},
        {"name followed by required", "compareit4me.com-2"},
    };
    for (const auto& [pattern, page] : pages)
        QTest::newRow(pattern) << QStringLiteral("html/%1.html").arg(QLatin1StringView(page));
}

void FormCorpusTest::judgedFieldsGetTheirMeaningsAndNoOthers()
{
    QFETCH(QString, file);
    const auto page = std::find_if(m_pages.begin(), m_pages.end(), [&file](const CorpusPage& p) {
        return p.file == file.toStdString();
    });
    QVERIFY2(page != m_pages.end(), qPrintable(file));
    const auto read = m_browser->Read(page->file, kPageTimeoutMs);
    QVERIFY2(read.has_value(), "the page did not load");
    const auto verdicts = JudgePage(*page, read->description.fields, read->corpusFormOf,
                                    CFieldClassifier().ClassifyPage(read->description), *m_table);
    QVERIFY(!verdicts.empty());
    for (const FieldVerdict& verdict : verdicts) {
        const QString field =
            QStringLiteral("form %1 field %2 [%3]")
                .arg(verdict.form)
                .arg(QString::fromStdString(verdict.name), QString::fromStdString(verdict.code));
        QVERIFY2(!verdict.Wrong(), qPrintable(field + QStringLiteral(" got a wrong meaning")));
        if (verdict.type.kind == AnnotationKind::Answer && verdict.described)
            QVERIFY2(verdict.Right(), qPrintable(field + QStringLiteral(" was missed")));
    }
}

QTEST_MAIN(FormCorpusTest)
#include "FormCorpusTest.moc"
