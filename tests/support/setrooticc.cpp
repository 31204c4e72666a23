// setrooticc.cpp - puts the bytes of an ICC profile file on the X11 root window as _ICC_PROFILE,
// as a colour manager does (xprop sets at most 64 elements).
//   prismara_test_set_root_icc FILE
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv)
{
    std::ifstream file(argc > 1 ? argv[1] : "", std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (bytes.empty() || xcb_connection_has_error(c))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const char name[] = "_ICC_PROFILE";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    xcb_generic_error_t* error = xcb_request_check(
        c, xcb_change_property_checked(c, XCB_PROP_MODE_REPLACE, screen->root, atom->atom, XCB_ATOM_CARDINAL, 8,
                                       static_cast<std::uint32_t>(bytes.size()), bytes.data()));
    const int status = error ? 1 : 0;
    std::free(atom);
    std::free(error);
    xcb_disconnect(c);
    return status;
}
