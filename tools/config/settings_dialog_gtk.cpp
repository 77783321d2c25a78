#include "settings_dialog.h"

#include <gtk/gtk.h>

#include "common/idle_autostart.h"
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
// (greyed while it is off) and the rest of the sentence, in a row.
struct IdleRow {
    GtkWidget* box;
    GtkWidget* on;
    GtkWidget* minutes;
};

void updateIdleSensitivity(GtkWidget*, gpointer data) {
    const IdleRow* r = static_cast<const IdleRow*>(data);
    gtk_widget_set_sensitive(r->minutes, isOn(r->on));
}

IdleRow idleRow(const IdleChoice& choice) {
    IdleRow r;
    r.on = gtk_check_button_new_with_mnemonic("S_tart Amber Bell after");
    gtk_widget_set_name(r.on, "idleWatcher");
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(r.on), choice.on);
    r.minutes = gtk_spin_button_new_with_range(1, maxIdleMinutes, 1);
    gtk_widget_set_name(r.minutes, "idleMinutes");
    gtk_spin_button_set_value(GTK_SPIN_BUTTON(r.minutes), choice.minutes);
    r.box = row(r.on, r.minutes);
    gtk_box_pack_start(GTK_BOX(r.box), gtk_label_new("minutes of inactivity"), FALSE, FALSE, 0);
    gtk_box_set_spacing(GTK_BOX(r.box), 6);
    return r;
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
        idleControls = idleRow(*idle);
        gtk_box_pack_start(GTK_BOX(box), idleControls.box, FALSE, FALSE, 0);
        g_signal_connect(idleControls.on, "toggled", G_CALLBACK(updateIdleSensitivity), &idleControls);
        updateIdleSensitivity(nullptr, &idleControls);
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
        if (idle) {
            idle->on = isOn(idleControls.on);
            idle->minutes = gtk_spin_button_get_value_as_int(GTK_SPIN_BUTTON(idleControls.minutes));
        }
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
