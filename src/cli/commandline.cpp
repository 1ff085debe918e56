#include "commandline.h"

#include <array>

namespace velnorix::cli {

const std::string_view Usage =
    "Usage:\n"
    "  velnorix-cli network   [--address TEXT] [--mask TEXT] [--gate TEXT] [--segments TEXT] [--lang zh|en]\n"
    "  velnorix-cli broadcast [--address TEXT] [--mask TEXT] [--gate TEXT] [--segments TEXT]\n"
    "  velnorix-cli subnet    [--segments TEXT] [--begin-bits TEXT] [--begin-address TEXT]\n"
    "  velnorix-cli mask      [--computers TEXT]\n"
    "  velnorix-cli --help | --version\n"
    "\n"
    "Prints the report the calculator's window shows for the same field texts.\n"
    "Options may also be written --name=TEXT. Left out, a field keeps its initial\n"
    "text: address 172.16.1.2, mask 255.255.0.0, gate 172.16.1.1, segments 1,\n"
    "begin-bits 24, begin-address 172.64.3.0, computers 64; lang zh.\n";

namespace {

constexpr unsigned Bit(Report report)
{
    return 1u << static_cast<unsigned>(report);
}

constexpr unsigned AddressReports = Bit(Report::Network) | Bit(Report::Broadcast);

struct Option {
    std::string_view name;
    std::string Request::*field;
    unsigned reports; // the reports that take the option
};

const std::array<Option, 8> Options = {{
    {"address", &Request::Address, AddressReports},
    {"mask", &Request::Mask, AddressReports},
    {"gate", &Request::Gate, AddressReports},
    {"segments", &Request::Segments, AddressReports | Bit(Report::Subnet)},
    {"begin-bits", &Request::BeginBits, Bit(Report::Subnet)},
    {"begin-address", &Request::BeginAddress, Bit(Report::Subnet)},
    {"computers", &Request::Computers, Bit(Report::Mask)},
    {"lang", nullptr, Bit(Report::Network)},
}};

const std::array<std::pair<std::string_view, Report>, 4> Reports = {{
    {"network", Report::Network},
    {"broadcast", Report::Broadcast},
    {"subnet", Report::Subnet},
    {"mask", Report::Mask},
}};

[[noreturn]] void Refuse(std::string_view problem, std::string_view what)
{
    throw UsageError(std::string(problem) + " '" + std::string(what) + "'");
}

Report ReportNamed(std::string_view name)
{
    for (const auto &[reportName, report] : Reports)
        if (reportName == name)
            return report;
    Refuse("unknown report", name);
}

const Option &OptionNamed(std::string_view name, Report report)
{
    for (const Option &option : Options)
        if (option.name == name && (option.reports & Bit(report)))
            return option;
    Refuse("unknown option", "--" + std::string(name));
}

void SetLanguage(Request &request, std::string_view value)
{
    if (value != "zh" && value != "en")
        Refuse("--lang takes zh or en, not", value);
    request.bChinese = value == "zh";
}

} // namespace

Request ParseCommandLine(const std::vector<std::string_view> &arguments)
{
    Request request;
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "--version")) {
        request.action = arguments[0] == "--help" ? Request::Action::Help : Request::Action::Version;
        return request;
    }
    if (arguments.empty())
        throw UsageError("no report named");
    request.report = ReportNamed(arguments[0]);

    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument == "--help") {
            request.action = Request::Action::Help;
            return request;
        }
        if (!argument.starts_with("--"))
            Refuse("unexpected argument", argument);
        argument.remove_prefix(2);
        const std::size_t equals = argument.find('=');
        const Option &option = OptionNamed(argument.substr(0, equals), request.report);
        std::string_view value;
        if (equals != std::string_view::npos)
            value = argument.substr(equals + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        else
            Refuse("missing text after", arguments[i]);

        if (option.field)
            request.*option.field = std::string(value);
        else
            SetLanguage(request, value);
    }
    return request;
}

} // namespace velnorix::cli
