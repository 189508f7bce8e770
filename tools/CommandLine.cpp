#include "CommandLine.h"

#include <charconv>

#include "SyntheticSet.h"

namespace {

std::optional<std::size_t> ParseCount(const std::string& text) {
    std::size_t count = 0;
    const char* end = text.data() + text.size();
    const auto [last, ec] = std::from_chars(text.data(), end, count);
    if (text.empty() || ec != std::errc() || last != end ||
        count > CSyntheticSetBuilder::kMaxCount) {
        return std::nullopt;
    }
    return count;
}

}  // namespace

const char* CCommandLine::Usage() {
    return "usage: ventry-db COMMAND ARGUMENTS\n"
           "\n"
           "Commands:\n"
           "  demo DIR                    write the bundled demo set (letter e) into DIR\n"
           "  generate DIR N [--letter L] write a synthetic set with N records (0 to 65536)\n"
           "                              in every database, record indices 0 to N-1;\n"
           "                              L is e (default), g or f\n"
           "  copy SRC DST                load the set of object file SRC and save it as the\n"
           "                              set of object file DST (.eod, .god or .fod)\n"
           "  --help, -h                  show this text\n"
           "\n"
           "DIR is created when missing. Every set is written through the document's save:\n"
           "all files at once or none. Exit status: 0 success, 1 failure, 2 usage error.\n";
}

std::optional<CToolCommand> CCommandLine::Parse(const std::vector<std::string>& args,
                                                std::string& error) {
    if (args.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    CToolCommand command;
    const std::string& name = args.front();
    std::vector<std::string> operands;
    std::optional<std::string> letter;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--letter") {
            if (i + 1 == args.size()) {
                error = "--letter needs e, g or f";
                return std::nullopt;
            }
            letter = args[++i];
        } else if (args[i].starts_with("--letter=")) {
            letter = args[i].substr(9);
        } else if (args[i].starts_with("-") && args[i].size() > 1) {
            error = "unknown option " + args[i];
            return std::nullopt;
        } else {
            operands.push_back(args[i]);
        }
    }
    if (letter && name != "generate") {
        error = "--letter belongs to generate";
        return std::nullopt;
    }
    if ((name == "--help" || name == "-h") && args.size() == 1) {
        return command;
    }
    if (name == "demo" && operands.size() == 1) {
        command.m_kind = CToolCommand::Kind::Demo;
        command.m_strDirectory = operands[0];
        return command;
    }
    if (name == "generate" && operands.size() == 2) {
        const std::optional<std::size_t> count = ParseCount(operands[1]);
        if (!count) {
            error = "record count must be a number from 0 to 65536: " + operands[1];
            return std::nullopt;
        }
        if (letter && (letter->size() != 1 || letter->find_first_of("egf") != 0)) {
            error = "language letter must be e, g or f: " + *letter;
            return std::nullopt;
        }
        command.m_kind = CToolCommand::Kind::Generate;
        command.m_strDirectory = operands[0];
        command.m_nCount = *count;
        command.m_chLetter = letter ? letter->front() : 'e';
        return command;
    }
    if (name == "copy" && operands.size() == 2) {
        command.m_kind = CToolCommand::Kind::Copy;
        command.m_strSource = operands[0];
        command.m_strDestination = operands[1];
        return command;
    }
    const bool bKnown =
        name == "demo" || name == "generate" || name == "copy" || name == "--help" || name == "-h";
    error = bKnown ? "wrong arguments for " + name : "unknown command " + name;
    return std::nullopt;
}
