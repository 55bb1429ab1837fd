#pragma once
// The registration store: a small JSON file that tells the runtime which
// library serves which class. It holds three tables:
//   "progIds":  ProgID -> description, class id, and for a version-independent
//               ProgID its current versioned ProgID ("curVer");
//   "classes":  class id -> description, ProgID, version-independent ProgID,
//               "programmable", library path, threading model, type library;
//   "typeLibs": library id -> version -> name, help string, library path.
// ProgIDs are matched without regard to case. Each write replaces the file
// whole (written aside, then renamed), so a reader never sees half a store.

#include "platform/component_types.h"

#include <QString>
#include <optional>

namespace platform::component {

struct Class_Registration {
    Guid clsid;
    QString description;
    QString prog_id;                    // versioned, e.g. "Vendor.Class.1"
    QString version_independent_prog_id; // e.g. "Vendor.Class"
    QString threading_model;             // e.g. "Apartment"
    QString library_path;                // absolute path of the serving library
    std::optional<Guid> type_library;
};

struct Type_Library_Registration {
    Guid libid;
    int major = 1;
    int minor = 0;
    QString name;
    QString help_string;
    QString library_path;
};

// <user config folder>/Quendrall/components.json
QString Default_Store_Path();

class Registration_Store {
public:
    // An empty path means Default_Store_Path().
    explicit Registration_Store(QString path = QString());

    const QString& Path() const { return path_; }

    // Writes the two ProgID entries and the class entry (the class entry is
    // replaced whole). A ProgID already present under another spelling of
    // case is replaced. False with *error when the store cannot be read or
    // written.
    bool Register_Class(const Class_Registration& reg, QString* error = nullptr) const;
    // Removes the class entry and its two ProgID entries; the tables
    // themselves stay. Removing what is not there succeeds.
    bool Unregister_Class(const Guid& clsid, QString* error = nullptr) const;

    bool Register_Type_Library(const Type_Library_Registration& reg, QString* error = nullptr) const;
    bool Unregister_Type_Library(const Guid& libid, int major, int minor,
                                 QString* error = nullptr) const;

    // The class id a ProgID names (either case, versioned or not); a
    // version-independent ProgID without its own class id follows "curVer".
    std::optional<Guid> Find_Clsid(const QString& prog_id) const;
    std::optional<Class_Registration> Find_Class(const Guid& clsid) const;
    std::optional<Type_Library_Registration> Find_Type_Library(const Guid& libid, int major,
                                                               int minor) const;

private:
    QString path_;
};

} // namespace platform::component
