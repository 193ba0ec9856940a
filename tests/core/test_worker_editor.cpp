#include <gtest/gtest.h>

#include "editing/worker_editor.h"
#include "i18n/cp1250.h"
#include "model/time_value.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

Group group(uint16_t id, bool old = false) {
    Group g;
    g.id = id;
    g.old = old;
    return g;
}

// June 2024 with group 1 and worker 5 (index 0); groups 3 and 5 added to tick.
struct WorkerEditorTest : ::testing::Test {
    test::Ward ward{2024, 6};
    WorkerEditorTest() {
        ward.roster.groups.push_back(group(3));
        ward.roster.groups.push_back(group(4, true));
        ward.roster.groups.push_back(group(5));
    }
    WorkerForm new_form() {
        WorkerForm form;
        prepare_new_worker(form, ward.roster, ward.options, rgb(130, 140, 150));
        return form;
    }
};

TEST_F(WorkerEditorTest, NewWorkerStartsFromTheDefaults) {
    ward.options.occupations = {"Piel", "Salowa"};
    ward.options.educations = {"Wyzsze"};
    ward.worker().zawod = "Oddzialowa";
    WorkerForm form;
    form.nazwisko = "X";
    form.pesel = "1";
    form.adres = "Polna 1";
    form.etat = "50";
    form.mode = AutoMode::System;
    form.old = true;
    prepare_new_worker(form, ward.roster, ward.options, rgb(130, 140, 150));
    EXPECT_EQ(form.nazwisko, "");
    EXPECT_EQ(form.pesel, "");
    EXPECT_EQ(form.adres, "Polna 1");
    EXPECT_EQ(form.mode, AutoMode::System);
    EXPECT_FALSE(form.old);
    EXPECT_EQ(form.etat, "100");
    EXPECT_EQ(form.urlop, "197:10");
    EXPECT_EQ(form.urlop_prev, "000:00");
    EXPECT_EQ(form.zawod, "Oddzialowa");
    EXPECT_EQ(form.wyksztalcenie, "Wyzsze");
    EXPECT_EQ(form.groups, (std::vector<uint16_t>{1}));
    EXPECT_EQ(form.chosen_group, 1);
    EXPECT_EQ(form.kolor, rgb(130, 140, 150));

    ward.roster.workers.clear();
    prepare_new_worker(form, ward.roster, ward.options, clWhite);
    EXPECT_EQ(form.zawod, "Piel");
}

TEST_F(WorkerEditorTest, ShortNameFromTheInitialsOfANewWorkerOnly) {
    WorkerForm form = new_form();
    form.nazwisko = "Kowalska";
    EXPECT_EQ(short_name_for(true, form), std::nullopt);
    form.imie = "Anna";
    EXPECT_EQ(short_name_for(true, form), "KA");
    EXPECT_EQ(short_name_for(false, form), std::nullopt);
    form.pseudo = "Ko";
    EXPECT_EQ(short_name_for(true, form), std::nullopt);
    form.pseudo.clear();
    form.nazwisko = cp("Żak");
    form.imie = cp("Łucja");
    EXPECT_EQ(cp1250_to_utf8(*short_name_for(true, form)), "ŻŁ");
}

TEST_F(WorkerEditorTest, PartTimeField) {
    EXPECT_EQ(part_time_key('.', "75", ','), ',');
    EXPECT_EQ(part_time_key(',', "75", '.'), '.');
    EXPECT_EQ(part_time_key(',', "7,5", ','), std::nullopt);
    EXPECT_EQ(part_time_key('5', "7,", ','), '5');
    EXPECT_EQ(part_time_key('\b', "7,", ','), '\b');
    EXPECT_EQ(part_time_key('e', "7", ','), std::nullopt);
    EXPECT_EQ(part_time_key('-', "", ','), std::nullopt);

    EXPECT_EQ(etat_value("", ','), 100);
    EXPECT_EQ(etat_value(",", ','), 100);
    EXPECT_EQ(etat_value("87,5", ','), 87.5);
    EXPECT_EQ(etat_value("50.25", '.'), 50.25);
    EXPECT_EQ(etat_text(87.5, ','), "87,500000");
    EXPECT_EQ(etat_text(100, '.'), "100.000000");
}

TEST_F(WorkerEditorTest, MembershipListsOnlyKnownGroups) {
    EXPECT_EQ(GroupMembership::of({3, 5}), "3|5|");
    EXPECT_EQ(GroupMembership::of({}), "");
    EXPECT_EQ(member_group_ids("5||3|99|x|1", ward.roster), (std::vector<uint16_t>{5, 3, 1}));
    EXPECT_EQ(listed_groups(ward.roster), (std::vector<int>{0, 1, 3}));
}

TEST_F(WorkerEditorTest, NewWorkerGoesToTheEndWithItsOwnIdAndEmptySlots) {
    ward.duty(3, 1, 0, 720);
    WorkerForm form = new_form();
    form.nazwisko = "Kowalska";
    form.imie = "Anna";
    form.pseudo = "ABCD";
    form.etat = "";
    form.groups = {3, 5};
    form.carry_manual = "-2:30";
    form.carry_auto = 60;
    form.opieka = 5;
    form.mode = AutoMode::Eight;

    const StoredWorker stored = store_worker(ward.roster, ward.options, form, std::nullopt, ',');
    ASSERT_EQ(ward.roster.workers.size(), 2u);
    EXPECT_EQ(stored.index, 1);
    EXPECT_EQ(ward.roster.current_worker, 1);
    const Worker& w = ward.roster.workers[1];
    EXPECT_EQ(w.id, 6);
    EXPECT_EQ(w.pseudo, "ABC");
    EXPECT_EQ(w.etat, 100);
    EXPECT_EQ(w.grupy, "3|5|");
    EXPECT_EQ(w.grupa, 0);
    EXPECT_EQ(w.urlop, 11830);
    EXPECT_EQ(w.carry_manual, -150);
    EXPECT_EQ(w.carry_total, -90);
    EXPECT_EQ(w.opieka, kMaxCareDays);
    EXPECT_TRUE(w.pref_8);
    EXPECT_FALSE(w.pref_without_auto);
    EXPECT_FALSE(w.pref_system);
    EXPECT_EQ(w.kolor, rgb(130, 140, 150));
    for (const Duty& d : w.duties) EXPECT_EQ(d.seq, 0);
    EXPECT_EQ(ward.roster.worker_index(6), 1);
    EXPECT_TRUE(stored.redisplay);
}

TEST_F(WorkerEditorTest, EditKeepsIdSlotsAndPlace) {
    ward.duty(3, 1, 0, 720);
    Worker& before = ward.worker();
    before.grupy = "1|";
    before.grupa = 1;
    before.pseudo = "AK";
    before.etat = 75;
    WorkerForm form = worker_form(before, ward.roster, ',');
    EXPECT_EQ(form.etat, "75,000000");
    EXPECT_EQ(form.groups, (std::vector<uint16_t>{1}));
    EXPECT_EQ(form.chosen_group, 1);
    form.imie = "Ewa";
    form.groups = {1, 5};

    StoredWorker stored = store_worker(ward.roster, ward.options, form, 0, ',');
    ASSERT_EQ(ward.roster.workers.size(), 1u);
    const Worker& w = ward.roster.workers[0];
    EXPECT_EQ(w.id, 5);
    EXPECT_EQ(w.imie, "Ewa");
    EXPECT_EQ(w.etat, 75);
    EXPECT_EQ(w.grupy, "1|5|");
    EXPECT_NE(w.duties[2].seq, 0);
    EXPECT_FALSE(stored.redisplay);

    form = worker_form(w, ward.roster, ',');
    form.pseudo = "EW";
    stored = store_worker(ward.roster, ward.options, form, 0, ',');
    EXPECT_TRUE(stored.redisplay);
    form.pseudo = "EW";
    form.chosen_group = 5;
    EXPECT_TRUE(store_worker(ward.roster, ward.options, form, 0, ',').redisplay);
}

TEST_F(WorkerEditorTest, OverdrawnLeaveSurvivesTheEditor) {
    Worker& before = ward.worker();
    before.urlop = -1675;
    before.urlop_prev = -60;
    before.opieka = -1;
    before.reha = -2;
    const Worker after = worker_from_form(worker_form(before, ward.roster, ','), before, ',');
    EXPECT_EQ(after.urlop, -1675);
    EXPECT_EQ(after.urlop_prev, -60);
    EXPECT_EQ(after.opieka, -1);
    EXPECT_EQ(after.reha, -2);
}

TEST_F(WorkerEditorTest, ATimeThatIsNoTimeChangesNothing) {
    WorkerForm form = new_form();
    form.carry_manual = "999:00";  // beyond what the record holds
    EXPECT_THROW(store_worker(ward.roster, ward.options, form, std::nullopt, ','),
                 TimeConversionError);
    EXPECT_EQ(ward.roster.workers.size(), 1u);
}

TEST_F(WorkerEditorTest, DeleteAsksThenRestoreKeepsEverything) {
    ward.duty(4, 2, 0, 720);
    Worker& w = ward.worker();
    w.nazwisko = "Kowalska";
    w.imie = "Anna";
    ward.prompter.answers = {false};
    EXPECT_FALSE(delete_worker(ward.roster, ward.prompter, 0));
    ASSERT_EQ(ward.prompter.asked.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(ward.prompter.asked[0]), "Usunąć pracownika: Kowalska Anna?");
    EXPECT_FALSE(w.old);

    EXPECT_TRUE(delete_worker(ward.roster, ward.prompter, 0));
    EXPECT_TRUE(w.old);
    EXPECT_NE(w.duties[3].seq, 0);
    EXPECT_TRUE(restore_worker(ward.roster, 0));
    EXPECT_FALSE(w.old);
    EXPECT_NE(w.duties[3].seq, 0);
    EXPECT_FALSE(restore_worker(ward.roster, 0));
    EXPECT_FALSE(delete_worker(ward.roster, ward.prompter, 7));
    EXPECT_EQ(cp1250_to_utf8(worker_need_message()), "Najpierw należy dodać pracownika.");
}

}  // namespace
}  // namespace tabrel
