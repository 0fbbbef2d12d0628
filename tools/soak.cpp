// The long soak: rumie_soak [YEARS [SEED]] plays YEARS game years (1000 by
// default) with a headless player and reports every fault found.
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "soak/SoakPlayer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int years = argc > 1 ? std::atoi(argv[1]) : 1000;
    const uint32_t seed = argc > 2 ? uint32_t(std::strtoul(argv[2], nullptr, 10)) : 20261207u;
    const auto start = std::chrono::steady_clock::now();
    const soak::Outcome o = soak::play(seed, years, [years](int done) {
        if (done % 100 == 0) std::printf("%d of %d years\n", done, years), std::fflush(stdout);
    });
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seed %u: %d month ends in %d games, %d save-and-load checks, %d loans, %d repayments, "
                "%d tenants, %d extensions, %.1f s\n",
                seed, o.months, o.games, o.saves, o.loans, o.repayments, o.tenants, o.extensions, secs);
    for (const QString& f : o.faults) std::printf("FAULT %s\n", qPrintable(f));
    std::printf("%s\n", o.faults.isEmpty() ? "no fault" : "faults found");
    return o.faults.isEmpty() ? 0 : 1;
}
