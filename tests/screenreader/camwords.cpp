// Writes what the simulation window offers a reader for each cam, one cam a line in Tab order:
// its start, a tab, its stop, in English. The build runs it, so the Orca suite listens for
// every cam the window has, in the window's own words.
#include "app/camwords.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: kestrilon-cam-words <file>\n");
        return 2;
    }
    std::FILE *file = std::fopen(argv[1], "w");
    if (!file)
        return 1;
    for (const CamWords &words : camWords)
        std::fprintf(file, "%s\t%s\n", words.start, words.stop);
    return std::fclose(file) == 0 ? 0 : 1;
}
