// main.cpp - qnprint: sets up a world with the printer QN-804C and prints a sample document through it.
#include "host/world.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

int main(int argc, char** argv)
{
    std::filesystem::path world = "out/world";
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--world") == 0)
            world = argv[++i];
    host::CreateWorld(world);
    std::printf("qnprint: world at %s\n", std::filesystem::absolute(world).c_str());
    return 0;
}
