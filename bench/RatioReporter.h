#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Keeps each benchmark's real time per iteration and its rate so the ratios print at the end: the
// median when the runs are repeated, else the one run. Named as the run is (with "/repeats:N" when
// repeated).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    std::map<std::string, double> itemsPerSecond;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median")
                continue;
            const std::string name = r.run_name.str();
            seconds[name] = r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
            if (auto it = r.counters.find("items_per_second"); it != r.counters.end())
                itemsPerSecond[name] = it->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};
