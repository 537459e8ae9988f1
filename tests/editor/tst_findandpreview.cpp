#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <array>

#include "files/ProgramFolder.h"
#include "files/TextFile.h"
#include "gamesets/Form7.h"
#include "menu/ExistingConfig.h"
#include "output/Form5.h"
#include "output/Form6.h"
#include "support/EditorSupport.h"
#include "ui/CheckBox.h"
#include "ui/FileListBox.h"
#include "ui/FolderListBox.h"

using namespace scriptloom;

// The find box, the marks beside the tree's nodes and the script preview of the editor.
class FindAndPreviewTest : public test::EditorFixture {
    Q_OBJECT

private:
    QTemporaryDir programFolder_;
    QTemporaryDir scripts_;

    QLineEdit* find() { return control<QLineEdit>("txtFind"); }

    // Writes a game set whose lines are given joined by '|'.
    void writeSet(const char* name, const QString& lines) {
        QVERIFY(test::writeFile(programFolder_.filePath(QStringLiteral("config/") + name),
                                test::crlfLines(lines.split(u'|'))));
    }

    // The rows on show, sections with their entries in brackets: "Mouse(Sensitivity)".
    QString shownRows(const QModelIndex& parent = {}) {
        const QAbstractItemModel* model = tree()->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            const QString children = shownRows(index);
            rows << index.data().toString() + (children.isEmpty() ? "" : "(" + children + ")");
        }
        return rows.join(u' ');
    }

    // The marks of an entry's node and of its section's: "= 110 bold, 1 of 2 set".
    QString marks(const QString& entry) {
        const NodeTree& nodes = tree()->nodes();
        return mark(entry) + ", " + mark(nodes.text(nodes.node(node(entry)).parent));
    }

    // The preview's text as the bytes of a file.
    QByteArray previewBytes() {
        QString text = control<QPlainTextEdit>("txtPreview")->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
        return textfile::encode(text);
    }

private Q_SLOTS:
    void initTestCase() {
        programfolder::setOverride(programFolder_.path());
        setEndProgramHandler([] {});
        writeSet("mouse.set",
                 "SELECTIONS|Mouse|Sensitivity|sensitivity *x|How fast the view turns|SELECT|3|END|"
                 "|SWITCH|Mouse|Invert mouse|m_pitch *x|Upside down|"
                 "|BINDING|Sound|Volume|s_volume *x|Loudness|"
                 "|BINDING|Moves|Jump|bind *x +moveup|Leaves the ground");
        writeSet("more.set",
                 "BINDING|Moves|Jump|bind *x +moveup|Again|"
                 "|BINDING|Extra|Jump|bind *x +jump2|Another jump");
    }

    void cleanup() { discardAllWindows(); }

    // Matches keep their sections; a matching section keeps all of its entries. Escape brings
    // the whole tree back, and the nodes' numbers never move.
    void find_showsMatchesWithTheirSections_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        for (const auto& [row, typed, shown] :
             {std::array<const char*, 3>{"name, any case", "SENS", "Mouse(Sensitivity)"},
              {"command", "m_pitch", "Mouse(Invert mouse)"},
              {"comment", "loud", "Sound(Volume)"},
              {"section", "sound", "Sound(Volume)"},
              {"same names", "jump", "Moves(Jump Jump) Extra(Jump)"},
              {"nothing", "zzz", ""}}) {
            QTest::newRow(row) << QString(typed) << QString(shown);
        }
    }
    void find_showsMatchesWithTheirSections() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QVERIFY(test::openEditorOn({"mouse.set", "more.set"}));
        const QString whole = shownRows();
        const QString numbers = test::treeShape(tree()->nodes());
        QTest::keyClicks(find(), typed);
        QCOMPARE(shownRows(), shown);
        QCOMPARE(control<QLabel>("lblNoMatch")->isVisible(), shown.isEmpty());
        QCOMPARE(test::treeShape(tree()->nodes()), numbers);
        QTest::keyClick(find(), Qt::Key_Escape);
        QCOMPARE(find()->text(), QString());
        QCOMPARE(shownRows(), whole);
        QVERIFY(!control<QLabel>("lblNoMatch")->isVisible());
    }

    // Clicked or reached from the find box, a filtered node shows its entry, and the value typed
    // goes to every entry of its Name.
    void find_filteredNodeShowsAndStoresItsEntry_data() {
        QTest::addColumn<int>("key");  // 0: a click on the third "Jump"
        QTest::newRow("click") << 0;
        QTest::newRow("down") << int(Qt::Key_Down);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }
    void find_filteredNodeShowsAndStoresItsEntry() {
        QFETCH(int, key);
        const int nth = key == 0 ? 3 : 1;  // the keys go to the first match
        QVERIFY(test::openEditorOn({"mouse.set", "more.set"}));
        QTest::keyClicks(find(), "jump");
        if (key == 0) {
            QVERIFY(clickNode("Jump", nth));
        } else {
            QTest::keyClick(find(), Qt::Key(key));
        }
        QCOMPARE(tree()->selectedNode(), node("Jump", nth));
        QCOMPARE(control<QLabel>("Label3")->text(), QString("Again"));  // the first "Jump" loaded
        control<QLineEdit>("Text1")->setText("SPACE");
        QCOMPARE(test::entryValues(programTables()), QStringList(3, "Jump=SPACE"));
        // A new config starts with the find box empty.
        Form3::instance()->startNewConfig();
        QCOMPARE(find()->text(), QString());
    }

    // The marks of an entry and of its section follow each way a value or an entry changes;
    // every step changes the section's count, so a count kept from before would show.
    void marks_followEveryChange() {
        QVERIFY(test::openEditorOn({"mouse.set"}));
        QTRY_COMPARE(marks("Sensitivity"), QString(", "));
        const QString script = scripts_.filePath("opened.cfg");
        QVERIFY(
            test::writeFile(script, test::crlfLines({"//LOAD mouse.set", "", "sensitivity 3"})));
        QVERIFY(editExistingConfigFile(script));
        QTRY_COMPARE(marks("Sensitivity"), QString("= 3 bold, 1 of 2 set"));
        QVERIFY(clickNode("Sensitivity"));
        control<QComboBox>("Combo1")->setEditText("");
        QTRY_COMPARE(marks("Sensitivity"), QString(", "));
        control<QComboBox>("Combo1")->setEditText("110");
        QTRY_COMPARE(marks("Sensitivity"), QString("= 110 bold, 1 of 2 set"));
        QVERIFY(clickNode("Invert mouse"));
        control<CheckBox>("Check1")->click();
        QTRY_COMPARE(marks("Invert mouse"), QString("= 1 bold, 2 of 2 set"));
        QVERIFY(clickNode("Jump"));
        control<QLineEdit>("Text1")->setText("SPACE");
        QTRY_COMPARE(marks("Jump"), QString("= SPACE bold, 1 of 1 set"));
        Form7* adder = Form7::instance();
        adder->pointFileListAt(programfolder::configDirectory());
        adder->File1()->setCurrentItem(
            adder->File1()->findItems("more.set", Qt::MatchExactly).value(0));
        QTest::mouseClick(adder->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QTRY_COMPARE(marks("Jump"), QString("= SPACE bold, 2 of 2 set"));
    }

    // The preview holds the bytes "Save" then writes, with the comments choice of the save
    // dialog, unticked while it was never opened; the lines of the entry on the panel are marked,
    // and only they.
    void preview_isWhatSaveWrites_data() {
        QTest::addColumn<int>("comments");  // -1: the save dialog not opened before
        QTest::newRow("dialog never opened") << -1;
        QTest::newRow("without comments") << int(CheckBox::kUnchecked);
        QTest::newRow("with comments") << int(CheckBox::kChecked);
    }
    void preview_isWhatSaveWrites() {
        QFETCH(int, comments);
        QVERIFY(test::openEditorOn({"mouse.set"}));
        QVERIFY(clickNode("Sensitivity"));
        control<QComboBox>("Combo1")->setEditText("3");
        QVERIFY(clickNode("Volume"));
        control<QLineEdit>("Text1")->setText("5");
        Form6::instance()->setText("echo hi");
        if (comments >= 0) {
            Form5::instance()->findChild<CheckBox*>("Check1")->setValue(
                static_cast<std::int16_t>(comments));
        }
        // Save must write what the preview shows once it has the last change.
        QTRY_VERIFY(previewBytes().contains("echo hi\r\n"));
        const QByteArray shown = previewBytes();
        QCOMPARE(shown.contains("// Loudness"), comments == CheckBox::kChecked);
        const auto marked = control<QPlainTextEdit>("txtPreview")->extraSelections();
        QCOMPARE(marked.size(), 1);
        QCOMPARE(marked.first().cursor.block().text(), QString("s_volume 5"));
        Form5* saver = Form5::instance();
        QVERIFY(saver->Dir1()->setPath(scripts_.path()));
        saver->findChild<QLineEdit*>("Text1")->setText("saved.cfg");
        QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(test::readFile(scripts_.filePath("saved.cfg")), shown);
    }
};

QTEST_MAIN(FindAndPreviewTest)
#include "tst_findandpreview.moc"
