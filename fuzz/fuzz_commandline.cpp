// The velnorix-cli argument parser, fed argument lists separated by NUL bytes.
// A parsed request, written back as arguments, parses to the same request.

#include "check.h"
#include "commandline.h"

#include <span>

using namespace velnorix::cli;

namespace {

struct OptionField {
    const char *name;
    std::string Request::*field;
};

constexpr OptionField AddressOptions[] = {
    {"address", &Request::Address}, {"mask", &Request::Mask}, {"gate", &Request::Gate}, {"segments", &Request::Segments}};
constexpr OptionField SubnetOptions[] = {
    {"segments", &Request::Segments}, {"begin-bits", &Request::BeginBits}, {"begin-address", &Request::BeginAddress}};
constexpr OptionField MaskOptions[] = {{"computers", &Request::Computers}};

std::span<const OptionField> OptionsOf(Report report)
{
    switch (report) {
    case Report::Network:
    case Report::Broadcast:
        return AddressOptions;
    case Report::Subnet:
        return SubnetOptions;
    case Report::Mask:
        return MaskOptions;
    }
    std::abort();
}

bool Same(const Request &a, const Request &b)
{
    return a.action == b.action && a.report == b.report && a.Address == b.Address && a.Mask == b.Mask
           && a.Gate == b.Gate && a.Segments == b.Segments && a.BeginBits == b.BeginBits
           && a.BeginAddress == b.BeginAddress && a.Computers == b.Computers && a.bChinese == b.bChinese;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto arguments = Pieces(AsText(data, size), 64);
    Request request;
    try {
        request = ParseCommandLine(arguments);
    } catch (const UsageError &error) {
        REQUIRE(std::string_view(error.what()).size() > 0);
        return 0;
    }
    if (request.action != Request::Action::Report)
        return 0;

    const char *names[] = {"network", "broadcast", "subnet", "mask"};
    std::vector<std::string> written{names[static_cast<int>(request.report)]};
    for (const OptionField &option : OptionsOf(request.report))
        written.push_back("--" + std::string(option.name) + "=" + request.*option.field);
    if (request.report == Report::Network)
        written.push_back(request.bChinese ? "--lang=zh" : "--lang=en");
    const std::vector<std::string_view> again(written.begin(), written.end());
    REQUIRE(Same(ParseCommandLine(again), request));
    return 0;
}
