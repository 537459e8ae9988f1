#include "ui/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>

namespace scriptloom::textfile {

namespace {

// Unicode of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

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

}  // namespace

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

ReadResult readWholeFile(const QString& path) {
    ReadResult result;
    if (QFileInfo(path).isDir()) {
        result.error = QStringLiteral("it is a folder, not a file");
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

namespace {

WriteResult failure(const QString& reason) {
    return WriteResult{false, reason};
}

// Devices cannot be replaced by renaming a file over them, and must not be: they are written in
// place, and their own error (a full disk, say) is the answer.
WriteResult writeDevice(const QString& path, const QByteArray& bytes) {
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly) || device.write(bytes) != bytes.size() ||
        !device.flush()) {
        return failure(device.errorString());
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
    if (!target.dir().exists()) {
        return failure(QStringLiteral("the folder does not exist"));
    }
    if (target.exists() && !target.isFile()) {
        return writeDevice(path, bytes);
    }
    if (target.exists() && !target.isWritable()) {
        return failure(QStringLiteral("the file is write-protected"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit()) {
        return failure(file.errorString());
    }
    return WriteResult{true, {}};
}

}  // namespace scriptloom::textfile
