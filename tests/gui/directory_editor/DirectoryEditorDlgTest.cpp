// The directory dialog on its own: what it proposes, what it refuses, what it gives back.
#include "ui/directory_editor/DirectoryEditorDlg.h"

#include "support/RecordingPresenter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

FieldDescriptor Field(const char* name, const char* label, const char* tag = "input")
{
    FieldDescriptor field;
    field.tag = tag;
    field.type = std::string(tag) == "input" ? "text" : "";
    field.name = name;
    field.label = label;
    return field;
}

LearnProposal Proposal()
{
    PageDescription page{"Add a feed - Dir", "http://127.0.0.1:9/add", {}};
    page.fields = {Field("feed", "Feed URL"), Field("", "Title"),
                   Field("cat", "Category", "select"), Field("f9", "")};
    page.fields[1].id = "";
    return ProposeLearning(page);
}

} // namespace

class DirectoryEditorDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheProposalAndSavesOneItemPerFilledField()
    {
        RecordingPresenter messages;
        CDirectoryEditorDlg dialog(Proposal(), "http://127.0.0.1:9/add", messages);
        QCOMPARE(dialog.NameEdit()->text(), QStringLiteral("Dir"));
        QVERIFY(
            dialog.FieldTable()->item(0, 2)->text().startsWith(QStringLiteral("Feed address (")));
        // A field without name or id cannot be found again, so it cannot be chosen.
        QVERIFY(!dialog.ValueBox(1)->isEnabled());
        QCOMPARE(dialog.ValueBox(2)->currentText(), QStringLiteral("#cat#"));
        dialog.ValueBox(3)->setCurrentText(QStringLiteral("fixed text"));
        dialog.ConfirmationEdit()->setText(QStringLiteral("Thanks"));

        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const DirectoryRecord record = dialog.Record();
        QCOMPARE(record.name, std::string("Dir"));
        QCOMPARE(record.confirmation, std::optional<std::string>("Thanks"));
        QCOMPARE(record.items.size(), size_t(3));
        QCOMPARE(record.items[0].value, std::string("#url#"));
        QCOMPARE(record.items[1].type, FieldType::ComboBox);
        QCOMPARE(record.items[2].name, std::string("f9"));
        QCOMPARE(record.items[2].value, std::string("fixed text"));
        QVERIFY(messages.messages.empty());
    }

    void anUncertainMeaningIsProposedButLeftToTheUser()
    {
        PageDescription page{"Add a feed - Dir", "http://127.0.0.1:9/add", {}};
        // "contact" alone hints at an e-mail without making it sure.
        page.fields = {Field("feed", "Feed URL"), Field("contact", "")};
        RecordingPresenter messages;
        CDirectoryEditorDlg dialog(ProposeLearning(page), "http://127.0.0.1:9/add", messages);
        QTableWidget* table = dialog.FieldTable();
        QCOMPARE(table->item(0, 0)->checkState(), Qt::Checked);
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("not sure"));
        QVERIFY(table->item(1, 2)->toolTip().startsWith(QStringLiteral("E-mail (")));
        QCOMPARE(dialog.ValueBox(1)->currentText(), QStringLiteral("#email#"));
        QCOMPARE(table->item(1, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(dialog.Record().items.size(), size_t(1));

        table->item(1, 0)->setCheckState(Qt::Checked);
        QCOMPARE(dialog.Record().items.size(), size_t(2));
        QCOMPARE(dialog.Record().items[1].value, std::string("#email#"));
        // Emptying the value leaves the field out; choosing one fills it again.
        dialog.ValueBox(0)->setCurrentText(QString());
        QCOMPARE(table->item(0, 0)->checkState(), Qt::Unchecked);
        dialog.ValueBox(0)->setCurrentText(QStringLiteral("#title#"));
        QCOMPARE(dialog.Record().items[0].value, std::string("#title#"));
    }

    void refusesWhatTheDatabaseCannotHold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<std::string>("message");
        QTest::newRow("empty name") << QString() << QStringLiteral("http://127.0.0.1:9/")
                                    << std::string("Please enter a name for the directory.");
        QTest::newRow("sent marker")
            << QStringLiteral("Dir [x]") << QStringLiteral("http://127.0.0.1:9/")
            << std::string("A directory name cannot contain \" [\".");
        QTest::newRow("no address")
            << QStringLiteral("Dir") << QStringLiteral("  ")
            << std::string("Please enter the address of the directory's submission page.");
    }

    void refusesWhatTheDatabaseCannotHold()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(std::string, message);
        RecordingPresenter messages;
        CDirectoryEditorDlg dialog(Proposal(), "", messages);
        dialog.NameEdit()->setText(name);
        dialog.SubmitUrlEdit()->setText(address);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(messages.messages.size(), size_t(1));
        QCOMPARE(messages.messages[0].text, message);
        QCOMPARE(messages.messages[0].caption, std::string("Add Directory"));
    }

    void editingKeepsTypesIndexesAndVariables()
    {
        DirectoryRecord record{"Mine", "http://127.0.0.1:9/?c=CAT", std::nullopt, {}, {}};
        record.items = {{"agree", FieldType::CheckBox, 0, "yes"},
                        {"tag", FieldType::Edit, 1, "#keywords#"},
                        {"pick", FieldType::ComboBox, 0, "CAT"}};
        record.variables = {{"CAT", {{"News", std::nullopt, "7"}}}};
        RecordingPresenter messages;
        CDirectoryEditorDlg dialog(record, messages);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Directory"));
        QCOMPARE(dialog.FieldTable()->item(1, 0)->text(), QStringLiteral("tag [1]"));
        const DirectoryRecord back = dialog.Record();
        QCOMPARE(back.confirmation, std::nullopt);
        QCOMPARE(back.items.size(), size_t(3));
        for (size_t i = 0; i < 3; ++i) {
            QCOMPARE(back.items[i].name, record.items[i].name);
            QCOMPARE(back.items[i].type, record.items[i].type);
            QCOMPARE(back.items[i].index, record.items[i].index);
            QCOMPARE(back.items[i].value, record.items[i].value);
        }
        QCOMPARE(back.variables.size(), size_t(1));
        QCOMPARE(back.variables[0].conditions[0].value, std::optional<std::string>("7"));
    }
};

QTEST_MAIN(DirectoryEditorDlgTest)
#include "DirectoryEditorDlgTest.moc"
