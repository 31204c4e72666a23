// testpointer.cpp - a pointer for a headless wlroots compositor, which has none: a virtual pointer
// (the compositor's zwlr_virtual_pointer_manager_v1) driven by lines on standard input, alive
// until the input ends, so that clients keep their pointer between commands.
//   move X Y WIDTH HEIGHT    the pointer to (X, Y) of an output area WIDTH x HEIGHT
//   click                    the left button pressed and released
// Each line is answered with "ok" once the compositor has taken it.
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>

namespace {
// The protocol's two interfaces, as its XML describes them (requests in order, no events).
const wl_interface* kNone[] = {nullptr, nullptr, nullptr, nullptr, nullptr};
extern const wl_interface kPointerInterface;
const wl_interface* kCreateTypes[] = {&wl_seat_interface, &kPointerInterface};
const wl_message kPointerRequests[] = {
    {"motion", "uff", kNone},        {"motion_absolute", "uuuuu", kNone}, {"button", "uuu", kNone},
    {"axis", "uuf", kNone},          {"frame", "", kNone},                {"axis_source", "u", kNone},
    {"axis_stop", "uu", kNone},      {"axis_discrete", "uufi", kNone},    {"destroy", "", kNone},
};
const wl_interface kPointerInterface = {"zwlr_virtual_pointer_v1", 1, 9, kPointerRequests, 0, nullptr};
const wl_message kManagerRequests[] = {{"create_virtual_pointer", "?on", kCreateTypes}, {"destroy", "", kNone}};
const wl_interface kManagerInterface = {"zwlr_virtual_pointer_manager_v1", 1, 2, kManagerRequests, 0, nullptr};

enum : std::uint32_t { kMotionAbsolute = 1, kButton = 2, kFrame = 4 };
constexpr std::uint32_t kLeftButton = 0x110; // BTN_LEFT

wl_proxy* g_manager = nullptr;

void global(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, kManagerInterface.name) == 0)
        g_manager = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &kManagerInterface, 1));
}
void globalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistry = {global, globalRemove};

std::uint32_t now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::uint32_t>(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}
} // namespace

int main()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "testpointer: no Wayland display\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &kRegistry, nullptr);
    wl_display_roundtrip(display);
    if (!g_manager) {
        std::fprintf(stderr, "testpointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    auto* pointer = wl_proxy_marshal_constructor(g_manager, 0, &kPointerInterface, nullptr, nullptr);
    wl_display_roundtrip(display);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "move") {
            std::uint32_t x = 0, y = 0, width = 1, height = 1;
            words >> x >> y >> width >> height;
            wl_proxy_marshal(pointer, kMotionAbsolute, now(), x, y, width, height);
            wl_proxy_marshal(pointer, kFrame);
        } else if (command == "click") {
            for (const std::uint32_t state : {1u, 0u}) {
                wl_proxy_marshal(pointer, kButton, now(), kLeftButton, state);
                wl_proxy_marshal(pointer, kFrame);
            }
        }
        wl_display_roundtrip(display);
        std::cout << "ok" << std::endl;
    }
    wl_display_disconnect(display);
    return 0;
}
