// velnorix-cli: the calculator's four reports for scripts and terminals. It
// prints what the report panel would hold after a clear and one report, in
// UTF-8 with LF line ends and without the trailing empty lines.

#include "commandline.h"

#include "calculations.h"
#include "exceptions.h"
#include "reports.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace velnorix;
using namespace velnorix::cli;

namespace {

// Writes the report as it is spilt, holding back line breaks until text
// follows them, so that the trailing empty lines are never written.
class ReportWriter {
public:
    void Write(std::string_view piece)
    {
        const std::size_t end = piece.find_last_not_of('\n');
        if (end == std::string_view::npos) {
            heldBreaks += piece.size();
            return;
        }
        for (; heldBreaks > 0; --heldBreaks)
            std::fputc('\n', stdout);
        std::fwrite(piece.data(), 1, end + 1, stdout);
        heldBreaks = piece.size() - end - 1;
        wroteText = true;
    }

    // The last line ends with its break; returns false when stdout failed.
    bool Finish()
    {
        if (wroteText)
            std::fputc('\n', stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout);
    }

private:
    std::size_t heldBreaks = 0;
    bool wroteText = false;
};

void AddReport(const Request &request, PanelAppender &panel)
{
    TIPAddress address;
    const AddressFields fields{request.Address, request.Mask, request.Gate, request.Segments};
    switch (request.report) {
    case Report::Network:
        ReadAddressFields(address, fields);
        address.ComputeNet();
        address.AddrKind = TIPAddress::GetKind(address.AddrBytes[3]);
        panel.Add(LanAdrReport(address, request.bChinese));
        break;
    case Report::Broadcast:
        ReadAddressFields(address, fields);
        panel.Add(BroadcastReport(address));
        break;
    case Report::Subnet:
        SubnetReport(SubnetDivision::FromFields(request.Segments, request.BeginBits, request.BeginAddress), panel);
        break;
    case Report::Mask:
        MaskReport(ComputerMask::FromField(request.Computers), panel);
        break;
    }
}

int PrintReport(const Request &request)
{
    // The spill already hands over pieces of 64 KiB: unbuffered, each goes
    // straight out instead of being copied into stdio's buffer first.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ReportWriter writer;
    PanelAppender panel(false, [&writer](std::string_view piece) { writer.Write(piece); });
    try {
        AddReport(request, panel);
    } catch (const Exception &error) {
        std::fprintf(stderr, "%s\n", ExceptionBoxText(error.Message()).c_str());
        return 1;
    }
    panel.Flush();
    if (!writer.Finish()) {
        std::fprintf(stderr, "velnorix-cli: cannot write the report: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    try {
        const Request request = ParseCommandLine(arguments);
        switch (request.action) {
        case Request::Action::Help:
            std::fputs(Usage.data(), stdout);
            return 0;
        case Request::Action::Version:
            std::puts("velnorix-cli " VELNORIX_VERSION);
            return 0;
        case Request::Action::Report:
            return PrintReport(request);
        }
    } catch (const UsageError &error) {
        std::fprintf(stderr, "velnorix-cli: %s\n\n%s", error.what(), Usage.data());
        return 2;
    }
    return 0;
}
