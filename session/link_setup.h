#pragma once

// A setup carried by a link's fragment, "scenario=comp-severe&trials=100&a12=1.2&a21=1.9&
// map&isoclines&seed=43200000": the batch options' names, read by the command line's own
// parser. What the parser refuses, or what means nothing to a window (files, grids, runs), is
// left out word by word; the rest is taken.

#include <optional>
#include <string>
#include <vector>

#include "core/cli/command_line.h"
#include "session/plot_session.h"

namespace morvanta {

struct LinkSetup {
    BatchOptions options;              // what the link set, else the window's defaults
    std::vector<std::string> ignored;  // the parameters left out, as the link spelled them
    // The window's own: "zoom=2" (1 to 3) and "pace=200" (steps a second, or "full").
    std::optional<double> zoom;
    std::optional<int> pace;
};

// Reads the fragment (with or without its leading '#').
LinkSetup ReadLinkSetup(const std::string& fragment);

// Reads the link's parameters, each "name" or "name=value", already unescaped.
LinkSetup ReadLinkParameters(std::vector<std::string> parameters);

// The window's own command line: the batch options' names without --batch, "--scenario
// comp-severe" or "--scenario=comp-severe" read as the link's "scenario=comp-severe", so that
// the window takes and leaves out what a link would; what it leaves out is spelled
// "--name=value". None when the arguments are the command line's own (--batch, --help,
// --version, a word that is no "--" option) or set nothing a window takes.
std::optional<LinkSetup> ReadWindowArguments(const std::vector<std::string>& arguments);

// The log line of what a setup left out, "Link: ignored a12=9, runs=3"; empty when nothing.
std::string IgnoredLine(const std::string& source, const std::vector<std::string>& ignored);

// What a window takes from it: its options and own coefficients or start.
void ApplyLinkSetup(const BatchOptions& options, PlotSession& session);
// The same with the window's own zoom and pace.
void ApplyLinkSetup(const LinkSetup& setup, PlotSession& session);

// The fragment of the window's current setup, with the seed when one is given.
std::string LinkFragment(int scenarioItem, int trialsItem, const PlotSession& session,
                         std::optional<std::uint32_t> seed);

}  // namespace morvanta
