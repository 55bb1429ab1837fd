#include "editor/main_window/boeing777_callback.h"

namespace rc = platform::component;

rc::Ref<Boeing777Callback> Boeing777Callback::Make(Description_Setter setter)
{
    return rc::Ref<Boeing777Callback>::Adopt(new Boeing777Callback(std::move(setter)));
}

Boeing777Callback::Boeing777Callback(Description_Setter setter)
    : set_description_(std::move(setter))
{
}

rc::Result Boeing777Callback::B777EventPartNumberReady(rc::BStr bstrPartNumber)
{
    const QString part_number = rc::From_BStr(bstrPartNumber);
    if (set_description_)
        set_description_(part_number, part_number);
    return rc::RC_OK;
}
