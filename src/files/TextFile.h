#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace scriptloom::textfile {

// Game sets and config scripts are plain text in the Windows ANSI code page (Windows-1252), the
// code page the game and the files players already have use. These convert between that and the
// Unicode text the program works with. The five byte values Windows-1252 leaves undefined map to
// the C1 control characters of the same value, so every byte survives a read and a write.
QString decode(QByteArrayView bytes);
// Characters the code page cannot hold are written as "?".
QByteArray encode(QStringView text);
// The byte one character is written as; "?" for one the code page cannot hold.
char encodeChar(char16_t c);
// Whether every character of the text has a byte in the code page, so that it is written as it is.
bool canEncode(QStringView text);

// Reads lines from the bytes of a whole file. A line ends at CR LF or at a lone CR; a lone LF is
// part of the line. The line-end characters are not part of the line.
class LineReader {
public:
    explicit LineReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

    bool atEnd() const { return position_ >= bytes_.size(); }
    // Reading past the end gives an empty line.
    QString readLine();
    // Number of lines read so far; the line just read has this number.
    int lineNumber() const { return lineNumber_; }

private:
    QByteArray bytes_;
    qsizetype position_ = 0;
    int lineNumber_ = 0;
};

// Collects lines, each ended with CR LF, as the bytes of a file.
class LineWriter {
public:
    void writeLine(QStringView line);
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// A whole file read at once, or the reason it could not be read.
struct ReadResult {
    bool ok = false;
    QByteArray bytes;
    QString error;  // the operating system's reason when !ok
    // Set when the file was refused unread because it is larger than the limit asked for.
    bool tooLarge = false;
    qint64 size = 0;
};

// The largest game set or config script the program reads. Real ones are a few kilobytes; a file
// past this size is something else, and reading it would cost seconds and several times its size
// in memory.
inline constexpr qint64 kLargestTextFile = qint64{64} * 1024 * 1024;

// Reads the whole file. With a size limit, a file larger than the limit is refused before any of
// it is read.
ReadResult readWholeFile(const QString& path, qint64 sizeLimit = -1);

// A size in megabytes of 1,048,576 bytes, with one decimal, as file managers show it.
QString megabytes(qint64 size);

// Whether a whole file was written, and the reason when it was not.
struct WriteResult {
    bool ok = false;
    QString error;  // the operating system's reason when !ok
};

// Writes a whole file so that a failure never costs the user the file that was there: the bytes go
// to a temporary file beside it, which replaces the old file only once everything is written. On
// any failure the old file is left exactly as it was and no temporary file remains. A path that
// names a device rather than a file (such as /dev/null) is written directly.
WriteResult writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace scriptloom::textfile
