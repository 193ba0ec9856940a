#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "printouts/generation_context.h"

namespace tabrel {

// What one generation did.
struct GenerationResult {
    bool written = false;
    std::filesystem::path output;  // the file written
    std::string error;  // cp1250 message for the user when an existing template was not written
};

// The printouts of one running program: where they are written, which were written, and how
// they are shown.
class Printouts {
public:
    // Shows a written printout; the GUI opens it with the desktop, the CLI passes none.
    using Opener = std::function<void(const std::filesystem::path&)>;

    // `output_folder` is created when missing. `data_folder` holds konfiguracja.ini with the
    // recent-templates list; empty when no list is kept.
    Printouts(std::filesystem::path output_folder, std::filesystem::path data_folder, Opener open);

    // The switches reset, the template expanded, written and opened, and its path recorded in
    // the recent templates (a missing template too, where it stays hidden).
    GenerationResult generuj(const std::filesystem::path& template_path, GenerationContext& ctx);

    // Expands the template and writes its output into the output folder, replacing a file of
    // the same name; opens it when asked. A missing template writes nothing.
    GenerationResult gen_wypelnij_wzorzec(const std::filesystem::path& template_path,
                                          GenerationContext& ctx, bool open);

    // Every file written since the start, sorted, each once.
    const std::vector<std::filesystem::path>& generated() const { return generated_; }

    // At exit when the configuration asks for it; a file that cannot be deleted stays.
    void delete_generated();

    const std::filesystem::path& output_folder() const { return output_folder_; }

private:
    void remember(const std::filesystem::path& output);
    void record_recent(const std::filesystem::path& template_path) const;

    std::filesystem::path output_folder_;
    std::filesystem::path data_folder_;
    Opener open_;
    std::vector<std::filesystem::path> generated_;
};

}  // namespace tabrel
