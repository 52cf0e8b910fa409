// Plain timing of an include database build over a generated include tree,
// the way the first start builds it (without the splash window):
//   database_timing <compiler folder> [rounds]
// The folder holds "inc\" with the header-like files.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "analysis/include_database.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: database_timing <compiler folder> [rounds]\n");
        return 2;
    }
    int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    for (int round = 1; round <= rounds; ++round) {
        tavrin::TDataBase database(std::string(argv[1]) + "\\DataBase-timing.ini");
        database.Scanner().OnReport = [](const std::string&) {};
        auto start = std::chrono::steady_clock::now();
        database.AddCompilerIncludes(argv[1]);
        double scanned =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        database.SaveDataBase();
        double saved =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("round %d: %zu files, %zu entries, scanned %.3f s, saved %.3f s\n", round,
                    database.FileList().size(), database.Count(), scanned, saved);
    }
    return 0;
}
