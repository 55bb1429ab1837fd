#pragma once
// The editor's side of the writer component's callback: the component hands
// over the 15-character load part number while it validates an upload, and
// the editor writes it into the ORT description of each partition present.

#include "platform/component_object.h"
#include "platform/component_ref.h"
#include "writer/quarnel_interfaces.h"

#include <QString>
#include <functional>

class Boeing777Callback final : public platform::component::Object<quarnel::ICallbackEntry> {
public:
    // The main window's Set_ORT_Description(secured text, user text).
    using Description_Setter =
        std::function<void(const QString& securedText, const QString& userText)>;

    // A new callback object with a count of one, owned by the returned Ref.
    static platform::component::Ref<Boeing777Callback> Make(Description_Setter setter);

    // Puts the part number into both descriptions; always RC_OK.
    platform::component::Result
    B777EventPartNumberReady(platform::component::BStr bstrPartNumber) override;

private:
    explicit Boeing777Callback(Description_Setter setter);
    ~Boeing777Callback() override = default;

    Description_Setter set_description_;
};
