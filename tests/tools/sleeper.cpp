// A child program for the tests that start programs: sleeps the given number
// of milliseconds, then writes "done" into the given file (relative names land
// in its start folder).
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

int main(int argc, char** argv) {
    if (argc > 1) std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[1])));
    if (argc > 2) std::ofstream(argv[2]) << "done";
    return 0;
}
