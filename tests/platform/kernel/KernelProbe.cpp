// A second process for the kernel-object tests: reads commands from stdin, one per line,
// works them on one handle and answers each with one line of numbers.
//   mutex NAME                     ->  "<1 if a handle, else 0> <error>"
//   wait MILLISECONDS              ->  result of WaitForSingleObject
//   release                        ->  result of ReleaseMutex
// It holds its handle until stdin ends.
#include <iostream>
#include <sstream>
#include <string>

#include "platform/kernel/KernelObjects.h"

int main() {
    HANDLE handle = nullptr;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        std::string argument;
        words >> command >> argument;
        const std::wstring name(argument.begin(), argument.end());
        if (command == "mutex") {
            handle = CreateMutexW(FALSE, name.c_str());
            std::cout << (handle != nullptr ? 1 : 0) << ' ' << GetLastError() << std::endl;
        } else if (command == "wait") {
            std::cout << WaitForSingleObject(handle, std::stoul(argument)) << std::endl;
        } else if (command == "release") {
            std::cout << ReleaseMutex(handle) << std::endl;
        }
    }
    return 0;
}
