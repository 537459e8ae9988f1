// Runs the game's own engine (Debian's ioquake3-server) on scripts the program writes, and checks
// that the program warns exactly when the engine runs a command nobody typed or stores something
// other than the typed value.
#include <QDir>
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
};

// Fills the template's line with "a" up to 1024 bytes, so that the engine drops the last "a" and
// runs `tail` as a command of its own.
QString pastTheLongestCommand(const QString& command, const QString& tail) {
    return QString(1024 - command.indexOf(u"*x"), u'a') + tail;
}

QList<EngineCase> engineCases() {
    QList<EngineCase> cases;
    const auto everywhere = [&cases](const QString& name, const auto& value,
                                     const QString& onlyOriginalUnder = {}) {
        for (const QString& command : {kQuoted, kBare, kBound}) {
            const QString written = QString(value(command));
            cases.append({name + " | " + command, command, written, command == onlyOriginalUnder});
        }
    };
    const auto fixed = [](const QString& text) { return [text](const QString&) { return text; }; };
    everywhere("plain", fixed("90"));
    everywhere("empty", fixed(""));
    everywhere("blanks", fixed("Big Joe"));
    everywhere("blanks squeezed", fixed("a   b"));
    everywhere("tab", fixed("a\tb"));
    everywhere("colour code", fixed("^1Red"));
    everywhere("300 characters", fixed(QString(300, u'a')));
    everywhere("1,100 characters", fixed(QString(1100, u'a')));
    everywhere("1023-byte limit", [](const QString& command) {
        return pastTheLongestCommand(command, "set injected 1 //");
    });
    everywhere("1024-byte line", [](const QString& command) {
        return QString(1024 - (command.size() - 2), u'a');  // the byte dropped is the last
    });
    everywhere("; runs a command", fixed("x;set injected 1"));
    everywhere("quote and ;", fixed("22\"; set injected 1; echo \"x"));
    everywhere("line end", fixed("1\nset injected 1"));
    everywhere("lone quote", fixed("2\"2"));
    everywhere("// comment", fixed("90 // note"));
    everywhere("; after //", fixed("hi // x;set injected 1"), kBound);
    everywhere("/* */ in a word", fixed("a/*b*/set injected 1"));
    everywhere("unclosed /*", fixed("90 /* note"));
    everywhere("lone */", fixed("*/"));
    everywhere("Windows-1252 accent", fixed("café"));
    everywhere("accent alone", fixed("é"));
    everywhere("outside Windows-1252", fixed("Привет"));
    // A quote left open takes in the template's own second command, so the count of commands
    // stays the same though one was injected.
    cases.append(
        {"quote takes in the next command", kQuoted + "; set after 1", "x\"; set injected 1 "});
    return cases;
}

// The cvar and template the engine runs instead of a case's own, with the same length, so that
// its line is cut and split exactly as the case's: every case sets a cvar of its own, and a bind
// (which a dedicated server does not have) becomes a "set" that stores the same bound text.
QString probeName(const EngineCase& c, int index) {
    return c.command == kBound ? QStringLiteral("k%1").arg(index, 2, 10, QChar(u'0'))
                               : QStringLiteral("zf%1").arg(index, 4, 10, QChar(u'0'));
}

QString probeCommand(const EngineCase& c, int index) {
    QString command = c.command;
    return c.command == kBound ? command.replace("bind F1", "set " + probeName(c, index))
                               : command.replace("cg_fov", probeName(c, index));
}

// What the template means its command to store: the value, after the bound text's own "say "
// for the bind.
QString storedBefore(const EngineCase& c) {
    return c.command == kBound ? QStringLiteral("say ") : QString();
}

// What the engine did with one case.
struct EngineResult {
    bool lineInjected = false;
    bool keyInjected = false;
    std::optional<QByteArray> stored;  // the probe cvar's value, if the line set it
};

// The value of `name` on a line that "cvarlist" printed as `... name "value"`.
std::optional<QByteArray> cvarValue(const QByteArray& line, const QString& name) {
    const QByteArray key = ' ' + name.toLatin1() + " \"";
    const qsizetype at = line.indexOf(key);
    if (at < 0 || !line.endsWith('"')) {
        return std::nullopt;
    }
    return line.sliced(at + key.size()).chopped(1);
}

}  // namespace

class GameEngineTest : public QObject {
    Q_OBJECT

private:
    QList<EngineCase> cases_ = engineCases();
    QList<EngineResult> results_;

    // Writes each case's script with the program's writer, and one script that runs them all in
    // turn: after each, it closes any comment left open and lists the cvars that tell what ran.
    void writeScripts(const QString& folder) {
        QString run;
        const QString check = QStringLiteral("\n*/\n\"*/\"\ncvarlist injected\ncvarlist %1\n");
        for (int i = 0; i < cases_.size(); ++i) {
            const EngineCase& c = cases_[i];
            GameSetTables tables;
            tables.resetAll();
            tables.Bindings.append({"Probe", "Probe", probeCommand(c, i), "", c.value});
            QVERIFY(test::writeFile(QStringLiteral("%1/case%2.cfg").arg(folder).arg(i),
                                    writeConfigScript({}, tables)));
            run += QStringLiteral("echo @@%1 line\nset injected 0\nexec case%1.cfg").arg(i) +
                   check.arg(probeName(c, i));
            if (c.command == kBound) {
                run += QStringLiteral("echo @@%1 key\nset injected 0\nvstr %2")
                           .arg(i)
                           .arg(probeName(c, i)) +
                       check.arg(probeName(c, i));
            }
        }
        QVERIFY(test::writeFile(folder + "/run.cfg", (run + "echo @@end\n").toLatin1()));
    }

    // The output holds, after each "@@N line" or "@@N key", the cvars listed for that case.
    void readResults(const QByteArray& output) {
        results_ = QList<EngineResult>(cases_.size());
        int index = -1;
        bool key = false;
        for (const QByteArray& line : output.split('\n')) {
            if (line.startsWith("@@")) {
                bool ok = false;
                index = line.mid(2).split(' ').value(0).toInt(&ok);
                index = ok ? index : -1;
                key = line.trimmed().endsWith(" key");
            } else if (index >= 0 && index < cases_.size()) {
                EngineResult& result = results_[index];
                // Set to 0 before the case; the injected command may have left "1 " or more.
                if (const auto injected = cvarValue(line, "injected")) {
                    (key ? result.keyInjected : result.lineInjected) = *injected != "0";
                } else if (const auto stored = cvarValue(line, probeName(cases_[index], index))) {
                    result.stored = key ? result.stored : stored;
                }
            }
        }
    }

private Q_SLOTS:
    // One engine run for every case; it prints which engine it used.
    void initTestCase() {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath("check"));
        writeScripts(home.filePath("check"));
        QByteArray output;
        QString problem;
        QVERIFY2(test::runEngine(home.path(), {"+exec", "run.cfg"}, output, problem),
                 qPrintable(problem));
        const QByteArray version = output.split('\n').value(1).trimmed();
        qInfo().noquote() << "Engine:" << version;
        QVERIFY2(output.contains("@@end"), output.right(2000).constData());
        readResults(output);
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
        const EngineResult& result = results_[index];
        const console::WrittenValue judged = console::judgeWrittenValue(c.command, c.value);
        const QString said = console::writtenValueWarning(judged);
        const QByteArray before = textfile::encode(storedBefore(c));
        const QByteArray meant = before + textfile::encode(c.value);
        const bool readAsTyped = c.value.isEmpty()
                                     ? !result.stored
                                     : result.stored == meant && textfile::canEncode(c.value);

        if (result.lineInjected) {
            QVERIFY2(judged.endsEarly, qPrintable(said));
        }
        if (result.keyInjected) {
            QVERIFY2(judged.endsEarly || judged.keyRunsMore, qPrintable(said));
        }
        if (!readAsTyped) {
            QVERIFY2(judged.endsEarly || judged.readOtherwise || !judged.unwritable.isEmpty(),
                     qPrintable(said));
        }
        if (judged.readOtherwise && !judged.endsEarly) {
            // The reading shown is what the engine stores where the value should be.
            const QByteArray shown = textfile::encode(judged.readAs);
            const QByteArray stored = result.stored.value_or("");
            QVERIFY2(stored == shown || stored == before + shown,
                     qPrintable(said + " / engine: " + textfile::decode(stored)));
        }
        const bool clean = !result.lineInjected && !result.keyInjected && readAsTyped;
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
