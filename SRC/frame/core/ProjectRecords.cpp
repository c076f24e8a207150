// The project tree's records.
#include "frame/core/ProjectRecords.h"

ProjectRecords::ProjectRecords() { Add("Project", {}, PROJECT_ROOT); }

int ProjectRecords::Add(std::string_view name, std::string_view path, int kind)
{
    m_records.push_back({std::string(CutUtf8(name, kMaxNameChars)), std::string(path), kind});
    return Count() - 1;
}

bool ProjectRecords::HoldsFolders(int index) const
{
    return IsValid(index) && (At(index).kind == PROJECT_ROOT || At(index).kind == PROJECT_FOLDER);
}

std::string_view CutUtf8(std::string_view text, size_t maxChars)
{
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // Each byte that is not a continuation byte starts a character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == maxChars)
            return text.substr(0, i);
    }
    return text;
}
