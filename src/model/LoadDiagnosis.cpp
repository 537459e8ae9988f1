#include "model/LoadDiagnosis.h"

#include <QList>
#include <algorithm>

namespace scriptloom {

namespace {

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");

bool isKeyword(QByteArrayView line) {
    return line == "SELECTIONS" || line == "SWITCH" || line == "BINDING";
}

// UTF-16 text starts with its byte-order mark, or, without one, shows a zero byte beside each
// character of plain English text.
bool looksLikeUtf16(QByteArrayView bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        return true;
    }
    if (bytes.size() < 4) {
        return false;
    }
    const auto zero = [&bytes](int i) { return bytes[i] == '\0'; };
    return (!zero(0) && zero(1) && !zero(2) && zero(3)) ||
           (zero(0) && !zero(1) && zero(2) && !zero(3));
}

// Whether a line that a lone LF ends would equal a keyword, and a lone LF is there to end it.
bool wouldHoldKeywordsWithLfEnds(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf8Mark)) {
        bytes = bytes.sliced(kUtf8Mark.size());
    }
    bool loneLf = false;
    bool keyword = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n') {
            continue;
        }
        keyword = keyword || isKeyword(bytes.sliced(start, i - start));
        if (i < bytes.size() && bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            loneLf = true;
        }
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    return loneLf && keyword;
}

}  // namespace

QString gameSetLoadNotice(QByteArrayView bytes, const QString& fileName, int entriesLoaded) {
    const bool marked = bytes.startsWith(kUtf8Mark);
    if (entriesLoaded > 0 && !marked) {
        return {};
    }
    if (entriesLoaded == 0) {
        if (bytes.isEmpty()) {
            return QStringLiteral("%1 holds no game set entries: the file is empty.").arg(fileName);
        }
        if (looksLikeUtf16(bytes)) {
            return QStringLiteral("%1 holds no game set entries: it is stored as UTF-16.")
                .arg(fileName);
        }
        if (wouldHoldKeywordsWithLfEnds(bytes)) {
            return QStringLiteral(
                       "%1 holds no game set entries: its lines end in LF only; game sets need "
                       "CR LF line ends.")
                .arg(fileName);
        }
    }
    if (marked) {
        return QStringLiteral(
                   "%1 begins with a UTF-8 byte-order mark: its first entry could not be read.")
            .arg(fileName);
    }
    return QStringLiteral("%1 holds no game set entries.").arg(fileName);
}

bool linesEndInLfOnly(QByteArrayView bytes) {
    return bytes.contains('\n') && !bytes.contains('\r');
}

QString configScriptNotice(QByteArrayView bytes, const QString& fileName) {
    // Text holds no control bytes but the blanks and breaks; a picture or an archive opened by
    // mistake holds NULs and the like. It is still opened, as any file is, but the user is told.
    const bool binary = std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\v' && byte != '\f' &&
               byte != '\r';
    });
    if (binary) {
        return QStringLiteral("%1 does not look like a config script.").arg(fileName);
    }
    if (!linesEndInLfOnly(bytes)) {
        return {};
    }
    return QStringLiteral(
               "%1: its lines end in LF only; config scripts need CR LF line ends, so it was read "
               "as one line.")
        .arg(fileName);
}

int firstLineLongerThan(QByteArrayView bytes, qsizetype limit) {
    int line = 1;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\r', start);
        if (end < 0) {
            end = bytes.size();
        }
        if (end - start > limit) {
            return line;
        }
        start = end + 1;
        if (start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
        ++line;
    }
    return 0;
}

}  // namespace scriptloom
