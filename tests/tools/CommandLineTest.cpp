#include <gtest/gtest.h>

#include <cstdio>

#include "CommandLine.h"
#include "ToolServices.h"
#include "ToolTestSupport.h"

namespace {

std::optional<CToolCommand> Parse(const std::vector<std::string>& args) {
    std::string error;
    auto command = CCommandLine::Parse(args, error);
    EXPECT_EQ(error.empty(), command.has_value()) << error;
    return command;
}

TEST(CommandLineTest, ParsesEveryCommand) {
    const auto demo = Parse({"demo", "out"});
    ASSERT_TRUE(demo);
    EXPECT_EQ(demo->m_kind, CToolCommand::Kind::Demo);
    EXPECT_EQ(demo->m_strDirectory, "out");

    const auto generate = Parse({"generate", "--letter", "f", "big", "65536"});
    ASSERT_TRUE(generate);
    EXPECT_EQ(generate->m_kind, CToolCommand::Kind::Generate);
    EXPECT_EQ(generate->m_strDirectory, "big");
    EXPECT_EQ(generate->m_nCount, 65536u);
    EXPECT_EQ(generate->m_chLetter, 'f');

    const auto generateDefault = Parse({"generate", "small", "0"});
    ASSERT_TRUE(generateDefault);
    EXPECT_EQ(generateDefault->m_nCount, 0u);
    EXPECT_EQ(generateDefault->m_chLetter, 'e');
    EXPECT_EQ(Parse({"generate", "d", "3", "--letter=g"})->m_chLetter, 'g');

    const auto copy = Parse({"copy", "a/object.eod", "b/object.god"});
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->m_kind, CToolCommand::Kind::Copy);
    EXPECT_EQ(copy->m_strSource, "a/object.eod");
    EXPECT_EQ(copy->m_strDestination, "b/object.god");

    EXPECT_EQ(Parse({"--help"})->m_kind, CToolCommand::Kind::Help);
    EXPECT_EQ(Parse({"-h"})->m_kind, CToolCommand::Kind::Help);
}

TEST(CommandLineTest, RefusesWhatMakesNoCommand) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"export", "x"},
             {"demo"},
             {"demo", "a", "b"},
             {"demo", "a", "--letter", "g"},
             {"copy", "a"},
             {"copy", "a", "b", "c"},
             {"copy", "a", "b", "--force"},
             {"generate", "d", "65537"},
             {"generate", "d", "+5"},
             {"generate", "d", "5", "--letter", "E"},
             {"--help", "demo"},
         }) {
        std::string error;
        EXPECT_FALSE(CCommandLine::Parse(args, error).has_value());
        EXPECT_FALSE(error.empty());
    }
}

TEST(CommandLineTest, UsageNamesEveryCommandAndOption) {
    const std::string usage = CCommandLine::Usage();
    for (const char* word : {"demo DIR", "generate DIR N", "--letter", "copy SRC DST", "--help"}) {
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    }
}

TEST(ToolServicesTest, PrintsEveryMessageAsOnePrefixedLineAndCountsIt) {
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    CToolServices services(stream);
    EXPECT_EQ(services.DoMessageBox("Failed to save.\n/x/object.eod: Permission denied", MB_OK),
              IDOK);
    services.Warn("only a warning");
    EXPECT_EQ(services.FailureCount(), 1);
    std::string printed(200, '\0');
    std::rewind(stream);
    printed.resize(std::fread(printed.data(), 1, printed.size(), stream));
    std::fclose(stream);
    EXPECT_EQ(printed,
              "ventry-db: Failed to save. /x/object.eod: Permission denied\n"
              "ventry-db: warning: only a warning\n");
}

TEST(VentryDbExitTest, HelpGoesToStdoutWithSuccess) {
    const CToolRun run = RunVentryDb({"--help"});
    EXPECT_EQ(run.m_nExitCode, 0);
    EXPECT_EQ(run.m_strOut, CCommandLine::Usage());
    EXPECT_EQ(run.m_strErr, "");
}

TEST(VentryDbExitTest, UsageErrorsGoToStderrWithStatusTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"demo"}, {"copy", "only-one"}, {"demo", "d", "--verbose"}}) {
        const CToolRun run = RunVentryDb(args);
        EXPECT_EQ(run.m_nExitCode, 2);
        EXPECT_EQ(run.m_strOut, "");
        EXPECT_TRUE(run.m_strErr.starts_with("ventry-db: ")) << run.m_strErr;
        EXPECT_NE(run.m_strErr.find(CCommandLine::Usage()), std::string::npos);
    }
}

}  // namespace
