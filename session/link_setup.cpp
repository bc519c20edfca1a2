#include "session/link_setup.h"

#include <array>
#include <string_view>

#include "core/driver/step_pace.h"
#include "core/number_text.h"
#include "plot/zoom.h"

namespace morvanta {
namespace {

// The batch options a window can take from a link; "map" is the link's short name of
// "outcome-map".
constexpr std::array<std::string_view, 11> WindowOptions{
    "scenario",    "trials",          "seed", "a12", "a21", "start", "isoclines", "shapes",
    "outcome-map", "direction-field", "map"};
constexpr std::array<std::string_view, 4> ScenarioNames{"start-point", "comp-severe", "comp-mild",
                                                        "reversed"};
constexpr std::array<std::string_view, 4> TrialCounts{"1", "10", "50", "100"};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// %XX escapes and '+' as the browser may write them into an address.
std::string Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() + 0 && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i] == '+' ? ' ' : text[i];
        }
    }
    return out;
}

bool ForWindow(std::string_view parameter) {
    const std::string_view name = parameter.substr(0, parameter.find('='));
    for (std::string_view option : WindowOptions)
        if (name == option) return true;
    return false;
}

std::string OptionWord(const std::string& parameter) {
    if (parameter == "map" || parameter.starts_with("map=")) return "--outcome-" + parameter;
    return "--" + parameter;
}

std::optional<BatchOptions> Parsed(const std::vector<std::string>& parameters) {
    std::vector<std::string> words{"--batch"};
    for (const std::string& parameter : parameters) words.push_back(OptionWord(parameter));
    const CommandLine command = ParseCommandLine(words);
    if (command.action != CommandLine::Action::Batch) return std::nullopt;
    return command.batch;
}

// The window's own parameters, which the batch options do not have: whether the parameter
// was one of them and, if so, whether it was taken.
bool ReadWindowParameter(const std::string& parameter, LinkSetup& setup) {
    const std::size_t equals = parameter.find('=');
    const std::string_view name = std::string_view(parameter).substr(0, equals);
    if (name != "zoom" && name != "pace") return false;
    const std::string_view value = equals == std::string::npos
                                       ? std::string_view{}
                                       : std::string_view(parameter).substr(equals + 1);
    if (name == "pace" && value == "full") {
        setup.pace = FullPace;
        return true;
    }
    const std::optional<double> number = DoubleOf(value);
    if (name == "zoom" && number && *number >= MinZoom && *number <= MaxZoom) {
        setup.zoom = *number;
        return true;
    }
    if (name == "pace" && number && *number >= 1 && *number <= MaxPace &&
        *number == static_cast<int>(*number)) {
        setup.pace = static_cast<int>(*number);
        return true;
    }
    setup.ignored.push_back(parameter);
    return true;
}

}  // namespace

LinkSetup ReadLinkSetup(const std::string& fragment) {
    std::string_view rest(fragment);
    if (rest.starts_with("#")) rest.remove_prefix(1);
    std::vector<std::string> parameters;
    while (!rest.empty()) {
        const std::size_t amp = rest.find('&');
        const std::string parameter = Unescaped(rest.substr(0, amp));
        if (!parameter.empty()) parameters.push_back(parameter);
        rest = amp == std::string_view::npos ? std::string_view{} : rest.substr(amp + 1);
    }
    return ReadLinkParameters(std::move(parameters));
}

LinkSetup ReadLinkParameters(std::vector<std::string> parameters) {
    LinkSetup setup;
    std::vector<std::string> pending;
    for (std::string& parameter : parameters)
        if (!ReadWindowParameter(parameter, setup)) pending.push_back(std::move(parameter));
    std::vector<std::string> taken;
    // Some options need another (a12 with a21, a coefficient with its scenario), whichever
    // comes first in the link: a parameter refused now is tried again once more are taken,
    // alone and then with each other one still waiting.
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t i = 0; i < pending.size() && !progress; ++i) {
            if (!ForWindow(pending[i])) continue;
            std::vector<std::string> tried = taken;
            tried.push_back(pending[i]);
            std::size_t partner = pending.size();
            if (!Parsed(tried)) {
                for (std::size_t j = 0; j < pending.size() && partner == pending.size(); ++j) {
                    if (j == i || !ForWindow(pending[j])) continue;
                    tried.push_back(pending[j]);
                    if (Parsed(tried))
                        partner = j;
                    else
                        tried.pop_back();
                }
                if (partner == pending.size()) continue;
            }
            taken = tried;
            if (partner < pending.size())
                pending.erase(pending.begin() + static_cast<long>(partner));
            pending.erase(pending.begin() + static_cast<long>(i < partner ? i : i - 1));
            progress = true;
        }
    }
    setup.options = Parsed(taken).value_or(BatchOptions{});
    setup.ignored.insert(setup.ignored.end(), pending.begin(), pending.end());
    return setup;
}

std::optional<LinkSetup> ReadWindowArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> parameters;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!word.starts_with("--") || word.size() < 3) return std::nullopt;
        std::string parameter = word.substr(2);
        const std::string_view name = std::string_view(parameter).substr(0, parameter.find('='));
        if (name == "batch" || name == "help" || name == "version") return std::nullopt;
        // A value follows its name as the next word, unless that is an option itself.
        if (parameter.find('=') == std::string::npos && i + 1 < arguments.size() &&
            !arguments[i + 1].starts_with("--"))
            parameter += "=" + arguments[++i];
        parameters.push_back(parameter);
    }
    LinkSetup setup = ReadLinkParameters(parameters);
    if (setup.ignored.size() == parameters.size()) return std::nullopt;
    for (std::string& ignored : setup.ignored) ignored = "--" + ignored;
    return setup;
}

std::string IgnoredLine(const std::string& source, const std::vector<std::string>& ignored) {
    if (ignored.empty()) return {};
    std::string line = source + ": ignored";
    for (std::size_t i = 0; i < ignored.size(); ++i) line += (i == 0 ? " " : ", ") + ignored[i];
    return line;
}

void ApplyLinkSetup(const BatchOptions& options, PlotSession& session) {
    session.options.isoclines = options.isoclines;
    session.options.outcomeShapes = options.outcomeShapes;
    session.options.outcomeMap = options.outcomes.outcomeMap;
    session.options.directionField = options.lesson.directionField;
    if (options.lesson.a12 && options.lesson.a21)
        session.overrides.coefficients = OffDiagonal{*options.lesson.a12, *options.lesson.a21};
    if (options.lesson.start) session.overrides.start = *options.lesson.start;
}

void ApplyLinkSetup(const LinkSetup& setup, PlotSession& session) {
    ApplyLinkSetup(setup.options, session);
    if (setup.zoom) session.options.zoom = *setup.zoom;
    if (setup.pace) session.options.pace = *setup.pace;
}

std::string LinkFragment(int scenarioItem, int trialsItem, const PlotSession& session,
                         std::optional<std::uint32_t> seed) {
    const auto item = [](auto names, int i) {
        return std::string(names[static_cast<std::size_t>(i >= 0 && i < 4 ? i : 0)]);
    };
    std::string link = "#scenario=" + item(ScenarioNames, scenarioItem) +
                       "&trials=" + item(TrialCounts, trialsItem);
    // Own coefficients and start go only with a scenario that takes them.
    if (scenarioItem != 0 && session.overrides.coefficients)
        link += "&a12=" + ShortestText(session.overrides.coefficients->a12) +
                "&a21=" + ShortestText(session.overrides.coefficients->a21);
    if (scenarioItem != 0 && session.overrides.start)
        link += "&start=" + ShortestText((*session.overrides.start)[0]) + "," +
                ShortestText((*session.overrides.start)[1]);
    const PlotOptions& o = session.options;
    if (o.outcomeMap) link += "&map";
    if (o.isoclines) link += "&isoclines";
    if (o.outcomeShapes) link += "&shapes";
    if (o.directionField) link += "&direction-field";
    if (o.zoom != MinZoom) link += "&zoom=" + ShortestText(o.zoom);
    if (o.pace != FullPace) link += "&pace=" + std::to_string(o.pace);
    if (seed) link += "&seed=" + std::to_string(*seed);
    return link;
}

}  // namespace morvanta
