#include "support/GameEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "support/TestSupport.h"

namespace scriptloom::test {

QString engineBinary() {
    return qEnvironmentVariable("SCRIPTLOOM_ENGINE", "/usr/lib/ioquake3/ioq3ded");
}

bool runEngine(const QString& home, const QStringList& commands, QByteArray& output,
               QString& problem) {
    const QString engine = engineBinary();
    if (!QFileInfo(engine).isExecutable()) {
        problem = QStringLiteral(
                      "No game engine at %1: install the package ioquake3-server "
                      "(scripts/install-deps.sh does).")
                      .arg(engine);
        return false;
    }
    if (!writeFile(home + "/check/default.cfg", "// nothing\n")) {
        problem = "Cannot write " + home + "/check/default.cfg";
        return false;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(engine, QStringList{"+set", "fs_basepath", home, "+set", "fs_homepath", home,
                                      "+set", "com_basegame", "check", "+set", "net_enabled", "0",
                                      "+set", "dedicated", "1"} +
                              commands + QStringList{"+quit"});
    if (!process.waitForStarted()) {
        problem = process.errorString();
        return false;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        problem = QStringLiteral("The engine did not finish within 30 s.");
        return false;
    }
    output = process.readAll();
    return true;
}

QHash<QByteArray, QByteArray> listedCvars(const QByteArray& output, const QByteArray& marker) {
    QHash<QByteArray, QByteArray> cvars;
    const qsizetype from = output.indexOf(marker);
    if (from < 0) {
        return cvars;
    }
    // Each line is the flags, the name and the value in quotes, which holds no quote.
    for (const QByteArray& line : output.sliced(from).split('\n')) {
        const qsizetype quote = line.indexOf('"');
        if (quote < 1 || !line.endsWith('"') || line.size() == quote + 1) {
            continue;
        }
        const QList<QByteArray> before = line.first(quote).simplified().split(' ');
        cvars.insert(before.back().toLower(), line.sliced(quote + 1).chopped(1));
    }
    return cvars;
}

}  // namespace scriptloom::test
