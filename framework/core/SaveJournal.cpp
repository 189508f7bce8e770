#include "SaveJournal.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace {

constexpr std::string_view kHeader = "ventry-commit 1";
// Far beyond any note a save writes; anything larger is no note of ours.
constexpr std::uint64_t kMaxNoteBytes = 1 << 20;

std::uint64_t Checksum(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
    }
    return hash;
}

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string Escaped(const std::string& path) {
    std::string text;
    for (const char c : path) {
        text += c == '\\' ? "\\\\" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return text;
}

std::string Unescaped(std::string_view text) {
    std::string path;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            path += text[++i] == 'n' ? '\n' : text[i];
        } else {
            path += text[i];
        }
    }
    return path;
}

// Paths beside the note are written without their directory, so a set moved as a whole keeps
// a note that still fits it.
std::string Relative(const std::string& path, const std::string& directory) {
    const std::string prefix = directory == "/" ? directory : directory + '/';
    if (directory == "." && !path.starts_with('/')) {
        return path;
    }
    if (path.size() > prefix.size() && path.starts_with(prefix)) {
        return path.substr(prefix.size());
    }
    return std::filesystem::absolute(path).string();
}

std::string Resolved(const std::string& path, const std::string& directory) {
    return path.starts_with('/') || directory == "." ? path : directory + '/' + path;
}

// Splits off the next space-separated word of rest.
std::string_view Word(std::string_view& rest) {
    const std::size_t space = rest.find(' ');
    const std::string_view word = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    return word;
}

template <class T>
bool Number(std::string_view& rest, T& value) {
    const std::string_view word = Word(rest);
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

// A complete note whose lines do not read is no note of ours: it is refused, not acted on.
CFileException NotANote(const std::string& path) {
    return CFileException(path, EBADMSG);
}

}  // namespace

std::string CSaveJournal::NotePathFor(const std::string& objectFile) {
    return objectFile + ".ventry-commit";
}

void CSaveJournal::Append(const std::string& text) {
    if (!m_bStarted) {
        CFileException error(m_strPath, 0);
        if (!m_file.Open(m_strPath, CFile::modeCreate | CFile::modeWrite, &error)) {
            throw error;
        }
        m_bStarted = true;
        m_strWritten = std::string(kHeader) + '\n';
        m_file.Write(m_strWritten.data(), m_strWritten.size());
    }
    m_file.Write(text.data(), text.size());
    m_strWritten += text;
    // In the file before the step it announces, so that even a killed save leaves it behind.
    m_file.FlushWrites();
}

void CSaveJournal::NoteTemporary(const std::string& target) {
    Append("temporary " + Escaped(Relative(target, CFile::DirectoryOf(m_strPath))) + '\n');
}

void CSaveJournal::NoteBackup(const std::string& directory) {
    Append("backup " + Escaped(Relative(directory, CFile::DirectoryOf(m_strPath))) + '\n');
}

void CSaveJournal::Complete(int nKeepBackups, const std::vector<CRename>& renames) {
    m_bCompleting = true;
    const std::string directory = CFile::DirectoryOf(m_strPath);
    std::string text = "commit " + std::to_string(nKeepBackups) + '\n';
    for (const CRename& rename : renames) {
        text += (rename.bExisted ? "replace " : "create ") + std::to_string(rename.written.m_size) +
                ' ' + std::to_string(rename.written.m_nModifiedNs) + ' ' +
                std::to_string(rename.written.m_nInode) + ' ' +
                Escaped(Relative(rename.strTarget, directory)) + '\n';
    }
    text += "end " + Hex(Checksum(m_strWritten + text)) + '\n';
    Append(text);
    m_file.Flush();
    m_file.Close();
}

bool CSaveJournal::Remove() {
    if (!m_bStarted) {
        return true;
    }
    m_file.Abort();
    if (!CFile::Remove(m_strPath) && errno != ENOENT) {
        return false;
    }
    // A note that never read as complete may come back after a power cut: the load discards it.
    if (m_bCompleting) {
        try {
            CFile::FlushDirectory(CFile::DirectoryOf(m_strPath));
        } catch (const CFileException&) {
            // Should it come back, the next load finds every file in place and clears it away.
        }
    }
    m_strWritten.clear();
    m_bStarted = false;
    m_bCompleting = false;
    return true;
}

CSaveJournal::CNote CSaveJournal::Read(const std::string& path) {
    std::string text;
    CFile::ReadAll(path, text, kMaxNoteBytes);

    CNote note;
    // Only whole lines count: a line without its end may have been cut off.
    std::string_view body = std::string_view(text).substr(0, text.rfind('\n') + 1);
    const std::size_t lastLine = body.size() < 2 ? 0 : body.rfind('\n', body.size() - 2) + 1;
    const std::string_view last = body.substr(lastLine);
    if (last.starts_with("end ") &&
        last.substr(4) == Hex(Checksum(body.substr(0, lastLine))) + '\n') {
        note.bComplete = true;
        body = body.substr(0, lastLine);
    }
    const std::string directory = CFile::DirectoryOf(path);
    bool bCommit = false;
    std::size_t nLine = 0;
    for (std::size_t begin = 0; begin < body.size(); ++nLine) {
        const std::size_t end = body.find('\n', begin);
        std::string_view rest = body.substr(begin, end - begin);
        begin = end + 1;
        if (nLine == 0) {
            if (rest != kHeader && note.bComplete) {
                throw NotANote(path);
            }
            continue;
        }
        const std::string_view kind = Word(rest);
        if (kind == "temporary") {
            note.temporaries.push_back(Resolved(Unescaped(rest), directory));
        } else if (kind == "backup") {
            note.strBackup = Resolved(Unescaped(rest), directory);
        } else if (kind == "commit") {
            bCommit = Number(rest, note.nKeepBackups);
        } else if (kind == "replace" || kind == "create") {
            CRename rename;
            rename.bExisted = kind == "replace";
            rename.written.m_bRegular = true;
            if (!Number(rest, rename.written.m_size) ||
                !Number(rest, rename.written.m_nModifiedNs) ||
                !Number(rest, rename.written.m_nInode)) {
                rest = {};
            }
            rename.strTarget = Resolved(Unescaped(rest), directory);
            if (!rest.empty()) {
                note.renames.push_back(rename);
            } else if (note.bComplete) {
                throw NotANote(path);
            }
        } else if (note.bComplete) {
            throw NotANote(path);
        }
    }
    if (note.bComplete && !bCommit) {
        throw NotANote(path);
    }
    return note;
}
