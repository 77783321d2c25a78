#include "settings_dialog.h"

#include <gtk/gtk.h>

#include "common/idle_autostart.h"
#include "desktop_timers.h"
#include "settings/settings_options.h"
#include "settings_form.h"

namespace {

// The widget of each item of the form (settings_form.h); null for the
// groups, which are frames around the others, and for the dialog's buttons.
struct Controls {
    GtkWidget* widgets[formItemCount] = {};
};

bool isOn(GtkWidget* toggle) {
    return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(toggle));
}

// A titled box of controls.
GtkWidget* group(FormItemId title, GtkWidget** children, int count) {
    GtkWidget* frame = gtk_frame_new(settingsForm[title].label);
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 4);
    gtk_container_set_border_width(GTK_CONTAINER(box), 6);
    for (int i = 0; i < count; ++i) gtk_box_pack_start(GTK_BOX(box), children[i], FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(frame), box);
    return frame;
}

GtkWidget* row(GtkWidget* first, GtkWidget* second) {
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    gtk_box_pack_start(GTK_BOX(box), first, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), second, FALSE, FALSE, 0);
    return box;
}

void takeToggles(const Controls& c, Settings& settings) {
    for (const FormItem& item : settingsForm) {
        if (item.flag) takeFormToggle(item, isOn(c.widgets[item.id]), settings);
    }
}

// Choices that only matter under another one are greyed out without it.
void updateSensitivity(GtkWidget*, gpointer data) {
    const Controls* c = static_cast<const Controls*>(data);
    Settings shown;
    takeToggles(*c, shown);
    for (const FormItem& item : settingsForm) {
        if (item.flag) gtk_widget_set_sensitive(c->widgets[item.id], formItemEnabled(item.id, shown));
    }
}

void desktopSize(int& width, int& height) {
    width = height = 0;
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
    if (!monitor && gdk_display_get_n_monitors(display) > 0) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return;
    GdkRectangle area;
    gdk_monitor_get_geometry(monitor, &area);
    const int scale = gdk_monitor_get_scale_factor(monitor);
    width = area.width * scale;
    height = area.height * scale;
}

GtkWidget* resolutionChooser(int32_t current) {
    GtkWidget* combo = gtk_combo_box_text_new();
    int width, height;
    desktopSize(width, height);
    for (int32_t r = 0; r < resolutionRowCount; ++r) {
        gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(combo), resolutionRowText(r, width, height).c_str());
    }
    gtk_combo_box_set_active(GTK_COMBO_BOX(combo), shownResolutionRow(current));
    return combo;
}

// The widget of `item`, showing `settings`; `made` holds the items before
// it. A radio button joins the one before it when both show the same flag.
GtkWidget* makeControl(const FormItem& item, const Settings& settings, const Controls& made) {
    const std::string label = mnemonicLabel(item.label, '_');
    const FormItem* before = item.id > 0 ? &settingsForm[item.id - 1] : nullptr;
    switch (item.kind) {
    case FormKind::checkBox:
        return gtk_check_button_new_with_mnemonic(label.c_str());
    case FormKind::radioButton: {
        const bool joins = before && before->kind == FormKind::radioButton && before->flag == item.flag;
        GtkRadioButton* group = joins ? GTK_RADIO_BUTTON(made.widgets[before->id]) : nullptr;
        return gtk_radio_button_new_with_mnemonic_from_widget(group, label.c_str());
    }
    case FormKind::label:
        return gtk_label_new_with_mnemonic(label.c_str());
    case FormKind::choice:
        return resolutionChooser(settings.resolutionIndex);
    default:
        return nullptr;
    }
}

}  // namespace

void attachToConsole() {}

bool openDialogDisplay() {
    if (!gtk_init_check(nullptr, nullptr)) return false;
    // The installed icon of the hicolor theme (AMBER_ICON_NAME, from the build);
    // run from the build folder, the windows go without.
    gtk_window_set_default_icon_name(AMBER_ICON_NAME);
    return true;
}

namespace {

// "Start Amber Bell after N minutes of inactivity": a check box, the minutes
// (greyed while it is off) and the rest of the sentence, in a row; under it
// the form's warning (settings_form.h) with its fixes, shown only while the
// desktop's own timer would hide the screen before the show starts.
struct IdleRow {
    GtkWidget* box;
    GtkWidget* on;
    GtkWidget* minutes;
    GtkWidget* warning;         // the box of all below
    GtkWidget* text;
    GtkWidget* fix;             // "Start Amber Bell after N minutes"
    GtkWidget* desktopRow;      // GNOME, Cinnamon: "Blank the screen after M minutes" and M
    GtkWidget* desktopFix;
    GtkWidget* desktopMinutes;
    GtkWidget* hint;            // the others: where their time is changed
    DesktopTimers desktop;
    int fixMinutes;
};

int spinValue(GtkWidget* spin) {
    return gtk_spin_button_get_value_as_int(GTK_SPIN_BUTTON(spin));
}

IdleChoice shownChoice(const IdleRow& r) {
    return {isOn(r.on), spinValue(r.minutes)};
}

void setButtonLabel(GtkWidget* button, const std::string& label) {
    gtk_button_set_label(GTK_BUTTON(button), mnemonicLabel(label.c_str(), '_').c_str());
}

GtkWidget* wrappedLabel(const char* name) {
    GtkWidget* label = gtk_label_new("");
    gtk_widget_set_name(label, name);
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(label), 48);
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    return label;
}

// Shows the warning for what the row holds now, or hides it.
void refreshIdleRow(IdleRow& r) {
    gtk_widget_set_sensitive(r.minutes, isOn(r.on));
    const IdleWarning warning = idleWarning(shownChoice(r), r.desktop);
    if (warning.text.empty()) {
        gtk_widget_hide(r.warning);
        return;
    }
    // The box is kept out of the dialog's show-all (which skips it, as does
    // its own show-all while that holds): its parts are shown here.
    gtk_widget_set_no_show_all(r.warning, FALSE);
    gtk_widget_show_all(r.warning);
    gtk_widget_set_no_show_all(r.warning, TRUE);
    r.fixMinutes = warning.idleMinutes;
    gtk_label_set_text(GTK_LABEL(r.text), warning.text.c_str());
    setButtonLabel(r.fix, idleFixLabel(warning.idleMinutes));
    gtk_widget_set_visible(r.desktopRow, warning.desktopSettable);
    gtk_label_set_text(GTK_LABEL(r.hint), warning.changeHint.c_str());
    gtk_widget_set_visible(r.hint, !warning.changeHint.empty());
}

void idleToggled(GtkWidget*, gpointer data) {
    refreshIdleRow(*static_cast<IdleRow*>(data));
}

// The desktop time offered follows the watcher's minutes.
void idleMinutesChanged(GtkWidget*, gpointer data) {
    IdleRow* r = static_cast<IdleRow*>(data);
    gtk_spin_button_set_value(GTK_SPIN_BUTTON(r->desktopMinutes), suggestedDesktopMinutes(spinValue(r->minutes)));
    refreshIdleRow(*r);
}

void desktopMinutesChanged(GtkWidget*, gpointer data) {
    IdleRow* r = static_cast<IdleRow*>(data);
    setButtonLabel(r->desktopFix, desktopFixLabel(spinValue(r->desktopMinutes)));
}

void useFixMinutes(GtkWidget*, gpointer data) {
    IdleRow* r = static_cast<IdleRow*>(data);
    gtk_spin_button_set_value(GTK_SPIN_BUTTON(r->minutes), r->fixMinutes);
}

// Changes the desktop's own time at once: it is the desktop's setting, not
// one of those OK saves.
void changeDesktopTime(GtkWidget*, gpointer data) {
    IdleRow* r = static_cast<IdleRow*>(data);
    std::string error;
    const uint32_t seconds = static_cast<uint32_t>(spinValue(r->desktopMinutes)) * 60u;
    if (!setDesktopIdleDelay(r->desktop.desktop, seconds, error)) {
        showDialogError(std::string(desktopName(r->desktop.desktop)) + "'s time could not be changed.\n\n" + error);
        return;
    }
    r->desktop = readDesktopTimers();
    refreshIdleRow(*r);
}

// The warning and its fixes, hidden until refreshIdleRow shows them.
void makeIdleWarning(IdleRow& r) {
    r.text = wrappedLabel("idleWarning");
    r.fix = gtk_button_new_with_mnemonic("");
    gtk_widget_set_name(r.fix, "idleFix");
    gtk_widget_set_halign(r.fix, GTK_ALIGN_START);
    const int desktopMinutes = suggestedDesktopMinutes(spinValue(r.minutes));
    r.desktopFix = gtk_button_new_with_mnemonic(mnemonicLabel(desktopFixLabel(desktopMinutes).c_str(), '_').c_str());
    gtk_widget_set_name(r.desktopFix, "desktopFix");
    r.desktopMinutes = gtk_spin_button_new_with_range(1, maxDesktopMinutes, 1);
    gtk_widget_set_name(r.desktopMinutes, "desktopMinutes");
    gtk_spin_button_set_value(GTK_SPIN_BUTTON(r.desktopMinutes), desktopMinutes);
    r.desktopRow = row(r.desktopFix, r.desktopMinutes);
    r.hint = wrappedLabel("idleHint");
    r.warning = gtk_box_new(GTK_ORIENTATION_VERTICAL, 4);
    gtk_widget_set_margin_start(r.warning, 24);
    for (GtkWidget* part : {r.text, r.fix, r.desktopRow, r.hint}) {
        gtk_box_pack_start(GTK_BOX(r.warning), part, FALSE, FALSE, 0);
        gtk_widget_show_all(part);
    }
    // The dialog's show_all leaves it to refreshIdleRow.
    gtk_widget_set_no_show_all(r.warning, TRUE);
}

// The row on `choice`; off, its minutes start under the desktop's time.
void makeIdleRow(IdleRow& r, const IdleChoice& choice) {
    r.desktop = readDesktopTimers();
    r.on = gtk_check_button_new_with_mnemonic("S_tart Amber Bell after");
    gtk_widget_set_name(r.on, "idleWatcher");
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(r.on), choice.on);
    r.minutes = gtk_spin_button_new_with_range(1, maxIdleMinutes, 1);
    gtk_widget_set_name(r.minutes, "idleMinutes");
    gtk_spin_button_set_value(GTK_SPIN_BUTTON(r.minutes), startingIdleMinutes(choice, r.desktop));
    GtkWidget* sentence = row(r.on, r.minutes);
    gtk_box_pack_start(GTK_BOX(sentence), gtk_label_new("minutes of inactivity"), FALSE, FALSE, 0);
    gtk_box_set_spacing(GTK_BOX(sentence), 6);
    makeIdleWarning(r);
    r.box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 6);
    gtk_box_pack_start(GTK_BOX(r.box), sentence, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(r.box), r.warning, FALSE, FALSE, 0);
    g_signal_connect(r.on, "toggled", G_CALLBACK(idleToggled), &r);
    g_signal_connect(r.minutes, "value-changed", G_CALLBACK(idleMinutesChanged), &r);
    g_signal_connect(r.desktopMinutes, "value-changed", G_CALLBACK(desktopMinutesChanged), &r);
    g_signal_connect(r.fix, "clicked", G_CALLBACK(useFixMinutes), &r);
    g_signal_connect(r.desktopFix, "clicked", G_CALLBACK(changeDesktopTime), &r);
    refreshIdleRow(r);
}

}  // namespace

DialogResult runSettingsDialog(Settings& settings, uint64_t /*owner*/, IdleChoice* idle) {
    const std::string cancel = mnemonicLabel(settingsForm[formCancel].label, '_');
    const std::string ok = mnemonicLabel(settingsForm[formOk].label, '_');
    GtkWidget* dialog = gtk_dialog_new_with_buttons(settingsFormTitle, nullptr, GTK_DIALOG_MODAL, cancel.c_str(),
                                                    GTK_RESPONSE_CANCEL, ok.c_str(), GTK_RESPONSE_OK, nullptr);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);

    Controls c;
    for (const FormItem& item : settingsForm) {
        GtkWidget* widget = makeControl(item, settings, c);
        if (widget && item.name) gtk_widget_set_name(widget, item.name);
        if (item.flag && formToggleOn(item, settings)) gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(widget), TRUE);
        c.widgets[item.id] = widget;
    }
    GtkWidget** w = c.widgets;
    gtk_label_set_mnemonic_widget(GTK_LABEL(w[formResolutionLabel]), w[formResolution]);

    GtkWidget* clockRows[] = {w[formClock], row(w[formAnalog], w[formDigital]), w[formHours24],
                              row(w[formLarge], w[formSmall])};
    GtkWidget* calendarRows[] = {w[formCalendar], w[formRussian]};
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
    gtk_container_set_border_width(GTK_CONTAINER(box), 10);
    gtk_box_pack_start(GTK_BOX(box), group(formClockGroup, clockRows, 4), FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), group(formCalendarGroup, calendarRows, 2), FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), w[formFrameCounter], FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), w[formExitOnMouse], FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), row(w[formResolutionLabel], w[formResolution]), FALSE, FALSE, 0);
    IdleRow idleControls{};
    if (idle) {
        // Where no screensaver daemon lists the show (Wayland desktops).
        makeIdleRow(idleControls, *idle);
        gtk_box_pack_start(GTK_BOX(box), idleControls.box, FALSE, FALSE, 0);
    }
    gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), box, TRUE, TRUE, 0);

    for (const FormItem& item : settingsForm) {
        if (item.flag) g_signal_connect(w[item.id], "toggled", G_CALLBACK(updateSensitivity), &c);
    }
    updateSensitivity(nullptr, &c);
    gtk_widget_show_all(dialog);

    const bool accepted = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (accepted) {
        takeToggles(c, settings);
        const int chosen = gtk_combo_box_get_active(GTK_COMBO_BOX(w[formResolution]));
        settings.resolutionIndex = chosen >= 0 ? chosen : 0;
        if (idle) *idle = shownChoice(idleControls);
    }
    gtk_widget_destroy(dialog);
    return accepted ? DialogResult::Ok : DialogResult::Cancelled;
}

void showDialogError(const std::string& message) {
    GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR, GTK_BUTTONS_CLOSE,
                                            "%s", message.c_str());
    gtk_window_set_title(GTK_WINDOW(box), settingsFormTitle);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}
