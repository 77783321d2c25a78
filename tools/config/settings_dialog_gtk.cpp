#include "settings_dialog.h"

#include <gtk/gtk.h>

#include "settings/settings_options.h"

namespace {

const char* const windowTitle = "Amber Bell Settings";

struct Controls {
    GtkWidget* frameCounter;
    GtkWidget* clock;
    GtkWidget* analog;
    GtkWidget* digital;
    GtkWidget* hours24;
    GtkWidget* large;
    GtkWidget* small;
    GtkWidget* calendar;
    GtkWidget* russian;
    GtkWidget* exitOnMouse;
    GtkWidget* resolution;
};

GtkWidget* named(GtkWidget* widget, const char* name) {
    gtk_widget_set_name(widget, name);
    return widget;
}

GtkWidget* check(const char* label, const char* name, bool on) {
    GtkWidget* button = named(gtk_check_button_new_with_mnemonic(label), name);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(button), on);
    return button;
}

bool isOn(GtkWidget* toggle) {
    return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(toggle));
}

// A titled box of controls.
GtkWidget* group(const char* title, GtkWidget** children, int count) {
    GtkWidget* frame = gtk_frame_new(title);
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

// Choices that only matter under another one are greyed out without it.
void updateSensitivity(GtkWidget*, gpointer data) {
    const Controls* c = static_cast<const Controls*>(data);
    const bool clock = isOn(c->clock);
    for (GtkWidget* w : {c->analog, c->digital, c->large, c->small}) gtk_widget_set_sensitive(w, clock);
    gtk_widget_set_sensitive(c->hours24, clock && isOn(c->digital));
    gtk_widget_set_sensitive(c->russian, isOn(c->calendar));
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
    GtkWidget* combo = named(gtk_combo_box_text_new(), "resolutionIndex");
    int width, height;
    desktopSize(width, height);
    for (int32_t r = 0; r < resolutionRowCount; ++r) {
        gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(combo), resolutionRowText(r, width, height).c_str());
    }
    // An index outside the table runs the desktop's size, and is shown so.
    gtk_combo_box_set_active(GTK_COMBO_BOX(combo), current >= 0 && current < resolutionRowCount ? current : 0);
    return combo;
}

}  // namespace

void attachToConsole() {}

bool openDialogDisplay() {
    return gtk_init_check(nullptr, nullptr);
}

DialogResult runSettingsDialog(Settings& settings, uint64_t /*owner*/) {
    GtkWidget* dialog = gtk_dialog_new_with_buttons(windowTitle, nullptr, GTK_DIALOG_MODAL, "_Cancel",
                                                    GTK_RESPONSE_CANCEL, "_OK", GTK_RESPONSE_OK, nullptr);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);

    Controls c;
    c.frameCounter = check("Show _frame counter", "showFrameCounter", settings.showFrameCounter);
    c.clock = check("Show c_lock", "showClock", settings.showClock);
    c.analog = named(gtk_radio_button_new_with_mnemonic(nullptr, "_Analog"), "analogClock");
    c.digital = named(gtk_radio_button_new_with_mnemonic_from_widget(GTK_RADIO_BUTTON(c.analog), "_Digital"),
                      "digitalClock");
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(settings.analogClock ? c.analog : c.digital), TRUE);
    c.hours24 = check("_24-hour time", "clock24Hour", settings.clock24Hour);
    c.large = named(gtk_radio_button_new_with_mnemonic(nullptr, "Lar_ge"), "largeClock");
    c.small = named(gtk_radio_button_new_with_mnemonic_from_widget(GTK_RADIO_BUTTON(c.large), "_Small"),
                    "smallClock");
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(settings.largeClock ? c.large : c.small), TRUE);
    c.calendar = check("Show cal_endar", "showCalendar", settings.showCalendar);
    c.russian = check("R_ussian layout (weeks start on Monday)", "russianCalendar", settings.russianCalendar);
    c.exitOnMouse = check("E_xit when the mouse moves", "exitOnMouseMove", settings.exitOnMouseMove);
    c.resolution = resolutionChooser(settings.resolutionIndex);

    GtkWidget* resolutionLabel = gtk_label_new_with_mnemonic("_Resolution:");
    gtk_label_set_mnemonic_widget(GTK_LABEL(resolutionLabel), c.resolution);

    GtkWidget* clockRows[] = {c.clock, row(c.analog, c.digital), c.hours24, row(c.large, c.small)};
    GtkWidget* calendarRows[] = {c.calendar, c.russian};
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
    gtk_container_set_border_width(GTK_CONTAINER(box), 10);
    gtk_box_pack_start(GTK_BOX(box), group("Clock", clockRows, 4), FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), group("Calendar", calendarRows, 2), FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), c.frameCounter, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), c.exitOnMouse, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), row(resolutionLabel, c.resolution), FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), box, TRUE, TRUE, 0);

    for (GtkWidget* w : {c.clock, c.digital, c.calendar}) {
        g_signal_connect(w, "toggled", G_CALLBACK(updateSensitivity), &c);
    }
    updateSensitivity(nullptr, &c);
    gtk_widget_show_all(dialog);

    const bool accepted = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (accepted) {
        settings.showFrameCounter = isOn(c.frameCounter);
        settings.showClock = isOn(c.clock);
        settings.analogClock = isOn(c.analog);
        settings.clock24Hour = isOn(c.hours24);
        settings.largeClock = isOn(c.large);
        settings.showCalendar = isOn(c.calendar);
        settings.russianCalendar = isOn(c.russian);
        settings.exitOnMouseMove = isOn(c.exitOnMouse);
        const int row = gtk_combo_box_get_active(GTK_COMBO_BOX(c.resolution));
        settings.resolutionIndex = row >= 0 ? row : 0;
    }
    gtk_widget_destroy(dialog);
    return accepted ? DialogResult::Ok : DialogResult::Cancelled;
}

void showDialogError(const std::string& message) {
    GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR, GTK_BUTTONS_CLOSE,
                                            "%s", message.c_str());
    gtk_window_set_title(GTK_WINDOW(box), windowTitle);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}
