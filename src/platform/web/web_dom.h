// The HTML side of the web backend (web_dom.js): widgets addressed by page
// handle and control id. Texts cross as UTF-16 with their length in units,
// the form common/text_edge.h converts GBK to and from.
#pragma once

#include <cstdint>

extern "C" {

// The dialog font's stand-in: out[0] the width of "A..Za..z", out[1] the line
// height, in CSS pixels.
void trailcfg_web_font_metrics(int* out);

int trailcfg_web_page_open(int templateId, const char16_t* title, int titleLen, int width, int height);
void trailcfg_web_page_close(int page);
void trailcfg_web_page_title(int page, const char16_t* text, int len);
// A Bitmap row: the element showing bitmap `bitmapId` (a resource id; the
// style sheet names its picture) in its block.
void trailcfg_web_add_bitmap(int page, int bitmapId, int x, int y, int width, int height);
// `kind` is ControlKind's value.
void trailcfg_web_add(int page, int id, int kind, int x, int y, int width, int height, int centered,
                      const char16_t* text, int len);

void trailcfg_web_set_text(int page, int id, const char16_t* text, int len);
// The control's name for screen readers (aria-label).
void trailcfg_web_name(int page, int id, const char16_t* text, int len);
int trailcfg_web_edit_value(int page, int id, char16_t* buffer, int capacity, int* caret);
void trailcfg_web_set_caret(int page, int id, int index);
void trailcfg_web_enable(int page, int id, int on);
void trailcfg_web_show(int page, int id, int on);
void trailcfg_web_check(int page, int id, int on);
int trailcfg_web_is_checked(int page, int id);
void trailcfg_web_mask(int page, int id, int on);
void trailcfg_web_list_add(int page, int id, const char16_t* text, int len, int selection);
void trailcfg_web_list_empty(int page, int id);
void trailcfg_web_list_select(int page, int id, int index);
int trailcfg_web_list_selection(int page, int id);

// The user's events, oldest first: out = {page, type, id}.
int trailcfg_web_next_event(int* out);

void trailcfg_web_user_type(int page, int id, const char16_t* text, int len);
void trailcfg_web_user_leave(int page, int id);
void trailcfg_web_user_click(int page, int id);
void trailcfg_web_user_choose(int page, int id, int index);
void trailcfg_web_user_key(int page, int escape);
void trailcfg_web_user_close(int page);

void trailcfg_web_message_open(const char16_t* caption, int captionLen, const char16_t* text, int textLen, int warning);
int trailcfg_web_message_open_now();
void trailcfg_web_language(char* buffer, int capacity);
}

namespace trailcfg::web {

// The event types web_dom.js queues.
enum DomEvent : int {
    kDomInput = 1,
    kDomBlur = 2,
    kDomChange = 3,
    kDomClick = 4,
    kDomEnter = 5,
    kDomEscape = 6,
    kDomClose = 7,
};

}  // namespace trailcfg::web
