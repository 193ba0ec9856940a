#include "support/test_support.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tabrel::test {

bool FakePrompter::ask(const std::string& text) {
    asked.push_back(text);
    if (on_ask) on_ask(text);
    if (answers.empty()) return true;
    bool a = answers.front();
    answers.pop_front();
    return a;
}

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tabrel-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

CliRun run_cli(const std::string& args) {
    TempDir capture;
    const std::string command = std::string(TABREL_CLI) + " " + args + " >'" +
                                (capture / "out").string() + "' 2>'" + (capture / "err").string() +
                                "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(capture / "out"), slurp(capture / "err")};
}

CliRun run_cli(const std::filesystem::path& data, const std::string& args) {
    return run_cli("--data '" + data.string() + "' " + args);
}

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void spit(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace tabrel::test
