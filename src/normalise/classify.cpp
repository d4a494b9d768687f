#include "classify.h"

#include "engine/console_log.h"
#include "engine/cycle_parts.h"
#include "engine/engine.h"

namespace {

struct HourRange {
    int first, last;
    const char* daytime;
};

constexpr HourRange kDaytimes[] = {
    {22, 23, "Night"},  {0, 0, "Night"},    {1, 4, "Deep Night"},  {5, 7, "Early Morning"},
    {8, 10, "Morning"}, {11, 13, "Midday"}, {14, 17, "Afternoon"}, {18, 21, "Evening"},
};

// The class of the hour that the time text "hh:mm:ss" begins with; a time text without a
// readable hour counts as hour 00.
QString DaytimeOf(const QString& timeText) {
    const int hour = timeText.left(2).toInt();
    for (const auto& [first, last, daytime] : kDaytimes)
        if (hour >= first && hour <= last) return daytime;
    return kDaytimes[1].daytime;
}

}  // namespace

void ClassifyDaytime(Engine& engine) {
    EngineState& s = engine.state;
    // One reading of the clock gives the class and every clock part the cycle stores.
    s.clock = ComputeClockParts(engine.out.clock->now());
    s.request.Daytime = DaytimeOf(s.clock.TimeText);
    DetailLine(engine, "A.I. > Daytime: " + s.request.Daytime);
}

void ClassifyInterface(Engine& engine) {
    Request& r = engine.state.request;
    const bool question = r.WorkPhrase.contains(u'?');
    r.InputCategory = question ? QStringLiteral("interface_q") : QStringLiteral("interface_s");
    DetailLine(engine, "A.I. > Users " + r.UserNick +
                           " input phrase type: " + (question ? "question" : "standard"));
}
