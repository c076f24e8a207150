// The keyword tables of the parser families: each holds the number of entries it is defined
// with, duplicates included.
#include "syntax/keywords/CLikeKeywords.h"
#include "syntax/keywords/LispKeywords.h"
#include "syntax/keywords/MarkupKeywords.h"
#include "syntax/keywords/ScriptKeywords.h"
#include "syntax/keywords/TexKeywords.h"

#include <gtest/gtest.h>

#include <span>
#include <string_view>

namespace {

struct TableCount {
    const char* name;
    std::span<const std::string_view> words;
    size_t count;
};

TEST(FamilyKeywordsTest, EntryCounts)
{
    const TableCount tables[] = {
        {"CppKeywords", kCppKeywords, 109},
        {"CppTypeNames", kCppTypeNames, 21},
        {"InstallShieldKeywords", kInstallShieldKeywords, 44},
        {"InstallShieldConstants", kInstallShieldConstants, 30},
        {"InstallShieldVariables", kInstallShieldVariables, 15},
        {"JavaKeywords", kJavaKeywords, 50},
        {"ResourceKeywords", kResourceKeywords, 6},
        {"ResourceKeys", kResourceKeys, 2},
        {"DclTiles", kDclTiles, 20},
        {"DclPredefinedTiles", kDclPredefinedTiles, 18},
        {"DclAttributes", kDclAttributes, 31},
        {"PerlKeywords", kPerlKeywords, 222},
        {"TclKeywords", kTclKeywords, 14},
        {"ShellKeywords", kShellKeywords, 28},
        {"ShellCommands", kShellCommands, 8},
        {"PythonKeywords", kPythonKeywords, 28},
        {"PythonSysNames", kPythonSysNames, 37},
        {"PythonSpecialNames", kPythonSpecialNames, 53},
        {"FortranKeywords", kFortranKeywords, 205},
        {"BatchCommands", kBatchCommands, 93},
        {"BatchPrograms", kBatchPrograms, 66},
        {"VisualBasicKeywords", kVisualBasicKeywords, 159},
        {"PascalKeywords", kPascalKeywords, 51},
        {"RexxKeywords", kRexxKeywords, 57},
        {"RexxObjectKeywords", kRexxObjectKeywords, 10},
        {"SqlKeywords", kSqlKeywords, 17},
        {"SqlTypes", kSqlTypes, 10},
        {"TexCommands", kTexCommands, 521},
        {"TexPackageCommands", kTexPackageCommands, 291},
        {"LispKeywords", kLispKeywords, 226},
        {"SiodKeywords", kSiodKeywords, 70},
        {"SiodMathFunctions", kSiodMathFunctions, 9},
        {"SiodLibraryFunctions", kSiodLibraryFunctions, 203},
        {"MarkupTagNames", kMarkupTagNames, 77},
        {"MarkupAttributeNames", kMarkupAttributeNames, 57},
        {"MarkupEntityNames", kMarkupEntityNames, 101},
        {"PhpKeywords", kPhpKeywords, 51},
        {"PhpWordOperators", kPhpWordOperators, 3},
        {"PhpConstants", kPhpConstants, 2},
        {"SgmlTagNames", kSgmlTagNames, 55},
        {"SgmlAttributeNames", kSgmlAttributeNames, 4},
    };
    for (const TableCount& table : tables)
        EXPECT_EQ(table.words.size(), table.count) << table.name;
}

} // namespace
