#include <iostream>

int main() {
    std::cerr << "tabrel-cli: no command\n";
    return 1;
}
