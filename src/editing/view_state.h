#pragma once

#include <cstdint>

namespace tabrel {

// The main window's switches and selection that editing rules and the tile layout depend on.
struct ViewState {
    enum class ShowWho { All, Selected };  // rg_ShowWho: "wszystkich" / "wybranego"
    enum class ShowWhat {
        Everything,
        Duties,
        DaysOff
    };                                            // rg_ShowWhat: "wszystko" / "dyżury" / "wolne"
    enum class Captions { ShortName, DutyType };  // rg_Captions: "krótka nazwa" / "typ dyżuru"

    ShowWho show_who = ShowWho::All;
    ShowWhat show_what = ShowWhat::Everything;
    Captions captions = Captions::ShortName;
    bool show_all_workers = false;  // rg_ShowWorkers: "wszystkich" instead of "członków grupy"
    bool show_deleted = false;      // cb_ShowDeleted
    uint8_t selected_day = 0;       // selected grid cell: day 1..31, 0 when none
    uint8_t selected_shift = 0;     // and its shift 1..4
};

}  // namespace tabrel
