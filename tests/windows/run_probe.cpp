// A Windows program to check how the tests run one: `run_probe <status>` writes a line on each
// output and exits with the status; `run_probe raise` ends on an exception that nothing handles,
// as a crash does.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: run_probe <status> | raise\n");
        return 2;
    }
    if (std::strcmp(argv[1], "raise") == 0)
        RaiseException(0xE0000001, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    std::printf("run_probe: on standard output\n");
    std::fprintf(stderr, "run_probe: on standard error\n");
    return std::atoi(argv[1]);
}
