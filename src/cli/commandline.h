#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velnorix::cli {

enum class Report { Network, Broadcast, Subnet, Mask };

// What the command line asks for. Each field holds the text a user would type
// into the window's field of the same role; an option left out keeps the
// field's initial text.
struct Request {
    enum class Action { Report, Help, Version } action = Action::Report;
    Report report = Report::Network;
    std::string Address = "172.16.1.2";
    std::string Mask = "255.255.0.0";
    std::string Gate = "172.16.1.1";
    std::string Segments = "1";
    std::string BeginBits = "24";
    std::string BeginAddress = "172.64.3.0";
    std::string Computers = "64";
    bool bChinese = true;
};

// A command line that names no report, an unknown option or a bad value.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name: a report name and its options,
// each as "--name TEXT" or "--name=TEXT" (TEXT may be empty or begin with "-"),
// or "--help" or "--version" alone.
Request ParseCommandLine(const std::vector<std::string_view> &arguments);

extern const std::string_view Usage;

} // namespace velnorix::cli
