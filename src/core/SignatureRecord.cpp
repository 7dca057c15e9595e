#include "core/SignatureRecord.h"

#include "core/PathText.h"
#include "core/TextHelpers.h"

namespace {

constexpr char NoRunningCopyMark[] = "/0/";

// The relative folder of a folder record: the file part before its first "\\",
// or, written with a single trailing backslash, the file part without it.
std::string FolderRecordFolder(const std::string& file)
{
    const size_t doubled = file.find("\\\\");
    if (doubled != std::string::npos)
        return file.substr(0, doubled);
    size_t end = file.size();
    while (end > 0 && file[end - 1] == '\\')
        --end;
    return file.substr(0, end);
}

// A folder record is reported with everything in it and cleaning removes it all,
// so it must name a real folder below its root: with placeholders taken out, some
// component must remain that is not ".", ".." or a drive. Otherwise "[X]:\\" would
// report the Windows folder itself.
bool NamesFolderBelowRoot(const std::string& relative)
{
    std::string text = relative;
    for (size_t open = text.find("%%"); open != std::string::npos; open = text.find("%%")) {
        const size_t close = text.find("%%", open + 2);
        if (close == std::string::npos)
            break;
        text.erase(open, close + 2 - open);
    }
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\\', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string part = TrimRightBlanks(text.substr(start, end - start));
        const bool drive = part.size() == 2 && part[1] == ':';
        if (!part.empty() && part != "." && part != ".." && !drive)
            return true;
        start = end + 1;
    }
    return false;
}

std::string Expanded(const std::string& text, const FolderLookup& lookup)
{
    return lookup ? ExpandFolderPlaceholders(text, lookup) : text;
}

} // namespace

std::string DefaultRecordName(const std::string& file)
{
    const size_t dot = file.find_last_of('.');
    if (dot == std::string::npos)
        return "Sys32." + file;
    return "Sys32." + FileNamePart(file.substr(0, dot));
}

SignatureRecord ParseRecord(std::string_view line, const std::string& root, const FolderLookup& lookup)
{
    SignatureRecord record;
    std::string text(line);
    if (text.find(NoRunningCopyMark) != std::string::npos) {
        record.NoRunningCopy = true;
        text = ReplaceAll(text, NoRunningCopyMark, "");
    }
    record.Folder = TrimRightBlanks(root);

    if (!text.empty() && text[0] == '/') {
        const size_t close = text.find('/', 1);
        if (close != std::string::npos) {
            record.Md5 = text.substr(1, close - 1);
            text.erase(0, close + 1);
        } else {
            text.erase(0, 1);
        }
        if (record.Md5 == "0")
            record.Md5.clear();
    }

    // The name may itself hold a colon ("Lock:"), so the file part is looked for
    // after the name's closing bracket.
    size_t afterName = 0;
    const size_t open = text.find('[');
    if (open != std::string::npos) {
        const size_t close = text.find(']', open + 1);
        if (close != std::string::npos) {
            record.Name = text.substr(open + 1, close - open - 1);
            afterName = close + 1;
        }
    }

    if (text.find("::", afterName) != std::string::npos) {
        record.Folder.clear();
        record.Kind = record.Md5.empty() ? RecordKind::Nothing : RecordKind::FingerprintOnly;
        return record;
    }
    const size_t colon = text.find(':', afterName);
    if (colon == std::string::npos) {
        record.Folder.clear();
        return record; // no file part: names nothing
    }
    record.File = TrimRightBlanks(text.substr(colon + 1));

    std::string nameSource = record.File;
    if (FileNamePart(record.File).empty()) {
        const std::string relative = FolderRecordFolder(record.File);
        record.File.clear();
        if (!NamesFolderBelowRoot(relative)) {
            record.Folder.clear();
            return record;
        }
        if (!record.Folder.empty() && record.Folder.back() != '\\')
            record.Folder += '\\';
        record.Folder += relative;
        nameSource = FileNamePart(relative);
        record.Kind = RecordKind::Folder;
    } else {
        record.Kind = RecordKind::File;
    }
    if (record.Name.empty())
        record.Name = DefaultRecordName(nameSource);

    record.Folder = Expanded(record.Folder, lookup);
    record.File = Expanded(record.File, lookup);
    return record;
}
