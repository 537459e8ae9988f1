#include "files/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace scriptloom::textfile {

namespace {

// Unicode of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(kHighControlRange[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray encode(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        *out++ = encodeChar(c.unicode());
    }
    return bytes;
}

bool canEncode(QStringView text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == u'?' || encodeChar(c.unicode()) != '?'; });
}

QString LineReader::readLine() {
    const qsizetype start = position_;
    qsizetype end = bytes_.indexOf('\r', start);
    if (end < 0) {
        end = bytes_.size();
        position_ = end;
    } else {
        position_ = end + 1;
        if (position_ < bytes_.size() && bytes_[position_] == '\n') {
            ++position_;
        }
    }
    if (start < bytes_.size()) {
        ++lineNumber_;
    }
    return decode(QByteArrayView(bytes_).sliced(start, end - start));
}

void LineWriter::writeLine(QStringView line) {
    bytes_ += encode(line);
    bytes_ += "\r\n";
}

ReadResult readWholeFile(const QString& path, qint64 sizeLimit) {
    ReadResult result;
    const QFileInfo info(path);
    if (info.isDir()) {
        result.error = QStringLiteral("it is a folder, not a file");
        return result;
    }
    result.size = info.size();
    if (sizeLimit >= 0 && result.size > sizeLimit) {
        result.tooLarge = true;
        result.error = QStringLiteral("it is too large (%1 MB)").arg(megabytes(result.size));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        result.bytes.clear();
        return result;
    }
    result.ok = true;
    return result;
}

QString megabytes(qint64 size) {
    return QString::number(static_cast<double>(size) / (1024.0 * 1024.0), 'f', 1);
}

namespace {

const QString kPathTooLong = QStringLiteral("The path is too long");

WriteResult failure(const QString& reason) {
    return WriteResult{false, reason};
}

// The system's reason for a failed file call, from the error number the call left. Qt reports a
// write that the disk could not take as "Unknown error", and a name past the system's limits in
// words of its own, so those two are named here.
WriteResult systemFailure(int error, const QString& qtReason) {
    switch (error) {
        case ENOSPC:
            return failure(QStringLiteral("No space left on device"));
        case ENAMETOOLONG:
            return failure(kPathTooLong);
        default:
            break;
    }
    if (error != 0 && (qtReason.isEmpty() || qtReason == u"Unknown error")) {
        return failure(QString::fromLocal8Bit(std::strerror(error)));
    }
    return failure(qtReason);
}

// Why the folder a file is to be written into cannot take it, or an empty text. A path too long
// for the system is told as such, not as a missing folder.
QString folderProblem(const QString& folder) {
#ifdef Q_OS_UNIX
    struct stat info {};
    errno = 0;
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0 && errno == ENAMETOOLONG) {
        return kPathTooLong;
    }
#endif
    return QDir(folder).exists() ? QString() : QStringLiteral("the folder does not exist");
}

// Devices cannot be replaced by renaming a file over them, and must not be: they are written in
// place, and their own error (a full disk, say) is the answer.
WriteResult writeDevice(const QString& path, const QByteArray& bytes) {
    QFile device(path);
    errno = 0;
    if (!device.open(QIODevice::WriteOnly) || device.write(bytes) != bytes.size() ||
        !device.flush()) {
        return systemFailure(errno, device.errorString());
    }
    return WriteResult{true, {}};
}

}  // namespace

WriteResult writeWholeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.fileName().isEmpty()) {
        return failure(QStringLiteral("no file name was given"));
    }
    if (target.isDir()) {
        return failure(QStringLiteral("a folder of that name is in the way"));
    }
    if (const QString problem = folderProblem(target.path()); !problem.isEmpty()) {
        return failure(problem);
    }
    if (target.exists() && !target.isFile()) {
        return writeDevice(path, bytes);
    }
    if (target.exists() && !target.isWritable()) {
        return failure(QStringLiteral("the file is write-protected"));
    }
    // The error number is read right after the call that failed, before anything else can
    // change it.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return systemFailure(errno, file.errorString());
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const WriteResult result = systemFailure(errno, file.errorString());
        file.cancelWriting();
        return result;
    }
    errno = 0;
    if (!file.commit()) {
        return systemFailure(errno, file.errorString());
    }
    return WriteResult{true, {}};
}

}  // namespace scriptloom::textfile
