// Runs the game's own engine (Debian's ioquake3-server) on scripts the program writes, and checks
// that the program warns exactly when the engine runs a command nobody typed or stores something
// other than the typed value.
#include <QHash>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "console/WrittenValueWarning.h"
#include "files/TextFile.h"
#include "model/GameSetTables.h"
#include "output/ConfigWriter.h"
#include "support/GameEngine.h"
#include "support/TestSupport.h"

using namespace scriptloom;

namespace {

const QString kQuoted = QStringLiteral("seta cg_fov \"*x\"");
const QString kBare = QStringLiteral("seta cg_fov *x");
const QString kBound = QStringLiteral("bind F1 \"say *x\"");

struct EngineCase {
    QString name;
    QString command;
    QString value;
    // The program warns by the original engine's stricter cutting, while ioquake3 reads the value
    // as typed.
    bool onlyTheOriginalEngine = false;
    // The cvar and template the engine runs instead of the case's own, with the same length, so
    // that its line is cut and split exactly as the case's: every case sets a cvar of its own, and
    // a bind (which a dedicated server does not have) becomes a "set" that stores the same bound
    // text, after its "say ".
    QString probe;
    QString probeCommand;
    QByteArray storedBefore;
};

QList<EngineCase> engineCases() {
    QList<EngineCase> cases;
    const auto add = [&cases](const QString& name, const QString& command, const QString& value,
                              bool onlyOriginal = false) {
        const bool bound = command == kBound;
        const qsizetype i = cases.size();
        const QString probe = bound ? QStringLiteral("k%1").arg(i, 2, 10, QChar(u'0'))
                                    : QStringLiteral("zf%1").arg(i, 4, 10, QChar(u'0'));
        QString probed = command;
        probed.replace(bound ? "bind F1" : "cg_fov", bound ? "set " + probe : probe);
        cases.append({name, command, value, onlyOriginal, probe, probed, bound ? "say " : ""});
    };
    const auto everywhere = [&add](const QString& name, const QString& value,
                                   const QString& onlyOriginalUnder = {}) {
        for (const QString& command : {kQuoted, kBare, kBound}) {
            add(name + " | " + command, command, value, command == onlyOriginalUnder);
        }
    };
    everywhere("plain", "90");
    everywhere("empty", "");
    everywhere("blanks", "Big Joe");
    everywhere("blanks squeezed", "a   b");
    everywhere("1,100 characters", QString(1100, u'a'));
    everywhere("; runs a command", "x;set injected 1");
    everywhere("quote and ;", "22\"; set injected 1; echo \"x");
    everywhere("line end", "1\nset injected 1");
    everywhere("lone quote", "2\"2");
    everywhere("// comment", "90 // note");
    everywhere("; after //", "hi // x;set injected 1", kBound);
    everywhere("/* */ in a word", "a/*b*/set injected 1");
    everywhere("unclosed /*", "90 /* note");
    everywhere("lone */", "*/");
    everywhere("Windows-1252 accent", "café");
    everywhere("accent alone", "é");
    everywhere("outside Windows-1252", "Привет");
    for (const QString& command : {kQuoted, kBare, kBound}) {
        // Filled with "a" up to 1024 bytes, where the engine drops the last byte: up to the value's
        // end, so that what follows runs as a command of its own, or up to the line's end.
        add("1023-byte limit | " + command, command,
            QString(1024 - command.indexOf(u"*x"), u'a') + "set injected 1 //");
        add("1024-byte line | " + command, command, QString(1026 - command.size(), u'a'));
    }
    // A ";" with no blank around it: the save dialog's quick judgement must not take it for a plain
    // word.
    add("; between words | " + kBare, kBare, "x;injected");
    // A quote left open takes in the template's own second command, so the count of commands
    // stays the same though one was injected.
    add("quote takes in the next command", kQuoted + "; set after 1", "x\"; set injected 1 ");
    return cases;
}

}  // namespace

class GameEngineTest : public QObject {
    Q_OBJECT

private:
    QList<EngineCase> cases_ = engineCases();
    // The cvars the engine listed after each case, by "N line" and "N key".
    QHash<QByteArray, QHash<QByteArray, QByteArray>> listed_;

    // Writes each case's script with the program's writer, and one script that runs them all in
    // turn: after each, it closes any comment left open and lists the cvars that tell what ran.
    void writeScripts(const QString& folder) {
        QString run;
        for (int i = 0; i < cases_.size(); ++i) {
            const EngineCase& c = cases_[i];
            GameSetTables tables;
            tables.resetAll();
            tables.Bindings.append({"Probe", "Probe", c.probeCommand, "", c.value});
            QVERIFY(test::writeFile(QStringLiteral("%1/case%2.cfg").arg(folder).arg(i),
                                    writeConfigScript({}, tables)));
            const QString check = "\n*/\n\"*/\"\ncvarlist injected\ncvarlist " + c.probe;
            run += QStringLiteral("echo @@%1 line\nset injected 0\nexec case%1.cfg").arg(i) + check;
            if (c.command == kBound) {
                run += QStringLiteral("\necho @@%1 key\nset injected 0\nvstr %2")
                           .arg(QString::number(i), c.probe) +
                       check;
            }
            run += '\n';
        }
        QVERIFY(test::writeFile(folder + "/run.cfg", (run + "echo @@end\n").toLatin1()));
    }

private Q_SLOTS:
    // One engine run for every case; it prints which engine it used.
    void initTestCase() {
        QTemporaryDir home;
        writeScripts(home.filePath("check"));
        QByteArray output;
        QString problem;
        QVERIFY2(test::runEngine(home.path(), {"+exec", "run.cfg"}, output, problem),
                 qPrintable(problem));
        qInfo().noquote() << QStringLiteral("Engine: %1 (%2)")
                                 .arg(test::engineBinary(),
                                      QString(output.split('\n').value(1).trimmed()));
        QVERIFY2(output.contains("@@end"), output.right(2000).constData());
        for (const QByteArray& part : output.split('@')) {
            listed_.insert(part.left(part.indexOf('\n')).trimmed(), test::listedCvars(part, "\n"));
        }
    }

    void engineAndProgramAgree_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < cases_.size(); ++i) {
            QTest::newRow(qPrintable(cases_[i].name.left(60))) << i;
        }
    }

    // The program warns whenever the engine ran the injected command or stores something other
    // than the typed value, and says so in the right words; it stays silent when the engine read
    // the value as typed, unless the original engine's cutting explains the warning.
    void engineAndProgramAgree() {
        QFETCH(int, index);
        const EngineCase& c = cases_[index];
        const auto line = listed_.value(QByteArray::number(index) + " line");
        const bool lineInjected = line.value("injected", "0") != "0";
        const bool keyInjected =
            listed_.value(QByteArray::number(index) + " key").value("injected", "0") != "0";
        const QByteArray probe = c.probe.toLatin1();
        const std::optional<QByteArray> stored =
            line.contains(probe) ? std::optional(line.value(probe)) : std::nullopt;
        const console::WrittenValue judged = console::judgeWrittenValue(c.command, c.value);
        const QString said = console::writtenValueWarning(judged);
        QCOMPARE(console::writtenValueWarns(c.command, c.value), judged.warns());
        const QByteArray meant = c.storedBefore + textfile::encode(c.value);
        const bool readAsTyped =
            c.value.isEmpty() ? !stored : stored == meant && textfile::canEncode(c.value);

        if (lineInjected) {
            QVERIFY2(judged.endsEarly, qPrintable(said));
        }
        if (keyInjected) {
            QVERIFY2(judged.endsEarly || judged.keyRunsMore, qPrintable(said));
        }
        if (!readAsTyped) {
            QVERIFY2(judged.endsEarly || judged.readOtherwise || !judged.unwritable.isEmpty(),
                     qPrintable(said));
        }
        if (judged.readOtherwise && !judged.endsEarly) {
            // The reading shown is what the engine stores where the value should be.
            const QByteArray shown = textfile::encode(judged.readAs);
            const QByteArray got = stored.value_or("");
            QVERIFY2(got == shown || got == c.storedBefore + shown,
                     qPrintable(said + " / engine: " + textfile::decode(got)));
        }
        const bool clean = !lineInjected && !keyInjected && readAsTyped;
        if (clean) {
            QVERIFY2(judged.warns() == c.onlyTheOriginalEngine, qPrintable(said));
        } else {
            QVERIFY2(!c.onlyTheOriginalEngine,
                     "marked as read as typed by ioquake3, but it is not");
        }
    }
};

QTEST_GUILESS_MAIN(GameEngineTest)
#include "tst_gameengine.moc"
