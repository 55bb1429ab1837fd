#include "platform/component_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform::component {

namespace {

const QString kProgIds = QStringLiteral("progIds");
const QString kClasses = QStringLiteral("classes");
const QString kTypeLibs = QStringLiteral("typeLibs");

void Set_Error(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The whole store; a missing file is an empty store.
std::optional<QJsonObject> Read_Store(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists())
        return QJsonObject();
    if (!file.open(QIODevice::ReadOnly)) {
        Set_Error(error, QStringLiteral("Cannot read %1").arg(path));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty())
        return QJsonObject();
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
        Set_Error(error, QStringLiteral("%1 is not a registration store").arg(path));
        return std::nullopt;
    }
    return doc.object();
}

bool Write_Store(const QString& path, const QJsonObject& store, QString* error)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        Set_Error(error, QStringLiteral("Cannot create %1").arg(info.absolutePath()));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(QJsonDocument(store).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        Set_Error(error, QStringLiteral("Cannot write %1").arg(path));
        return false;
    }
    return true;
}

// The key of obj that equals key without regard to case, or an empty text.
QString Find_Key(const QJsonObject& obj, const QString& key)
{
    for (auto it = obj.begin(); it != obj.end(); ++it)
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.key();
    return QString();
}

void Remove_Key_Any_Case(QJsonObject& obj, const QString& key)
{
    for (QString found = Find_Key(obj, key); !found.isEmpty(); found = Find_Key(obj, key))
        obj.remove(found);
}

QString Version_Key(int major, int minor)
{
    return QStringLiteral("%1.%2").arg(major).arg(minor);
}

} // namespace

QString Default_Store_Path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Quendrall/components.json");
}

Registration_Store::Registration_Store(QString path)
    : path_(path.isEmpty() ? Default_Store_Path() : std::move(path))
{
}

bool Registration_Store::Register_Class(const Class_Registration& reg, QString* error) const
{
    auto store = Read_Store(path_, error);
    if (!store)
        return false;
    const QString clsid = Guid_Text(reg.clsid);

    QJsonObject progIds = store->value(kProgIds).toObject();
    Remove_Key_Any_Case(progIds, reg.prog_id);
    progIds.insert(reg.prog_id, QJsonObject{{"description", reg.description}, {"clsid", clsid}});
    if (!reg.version_independent_prog_id.isEmpty()) {
        Remove_Key_Any_Case(progIds, reg.version_independent_prog_id);
        progIds.insert(reg.version_independent_prog_id,
                       QJsonObject{{"description", reg.description},
                                   {"clsid", clsid},
                                   {"curVer", reg.prog_id}});
    }

    QJsonObject classes = store->value(kClasses).toObject();
    QJsonObject entry{{"description", reg.description},
                      {"progId", reg.prog_id},
                      {"versionIndependentProgId", reg.version_independent_prog_id},
                      {"programmable", true},
                      {"library", reg.library_path},
                      {"threadingModel", reg.threading_model}};
    if (reg.type_library)
        entry.insert("typeLib", Guid_Text(*reg.type_library));
    Remove_Key_Any_Case(classes, clsid);
    classes.insert(clsid, entry);

    store->insert(kProgIds, progIds);
    store->insert(kClasses, classes);
    return Write_Store(path_, *store, error);
}

bool Registration_Store::Unregister_Class(const Guid& clsid, QString* error) const
{
    auto store = Read_Store(path_, error);
    if (!store)
        return false;
    const QString id = Guid_Text(clsid);
    QJsonObject classes = store->value(kClasses).toObject();
    const QString key = Find_Key(classes, id);
    QJsonObject progIds = store->value(kProgIds).toObject();
    if (!key.isEmpty()) {
        const QJsonObject entry = classes.value(key).toObject();
        Remove_Key_Any_Case(progIds, entry.value("progId").toString());
        Remove_Key_Any_Case(progIds, entry.value("versionIndependentProgId").toString());
        classes.remove(key);
    }
    // ProgIDs that still point at the class go too.
    for (const QString& name : progIds.keys())
        if (progIds.value(name).toObject().value("clsid").toString().compare(id, Qt::CaseInsensitive) == 0)
            progIds.remove(name);
    store->insert(kProgIds, progIds);
    store->insert(kClasses, classes);
    return Write_Store(path_, *store, error);
}

bool Registration_Store::Register_Type_Library(const Type_Library_Registration& reg,
                                               QString* error) const
{
    auto store = Read_Store(path_, error);
    if (!store)
        return false;
    QJsonObject libs = store->value(kTypeLibs).toObject();
    const QString id = Guid_Text(reg.libid);
    QJsonObject versions = libs.value(id).toObject();
    versions.insert(Version_Key(reg.major, reg.minor),
                    QJsonObject{{"name", reg.name},
                                {"helpString", reg.help_string},
                                {"library", reg.library_path}});
    libs.insert(id, versions);
    store->insert(kTypeLibs, libs);
    return Write_Store(path_, *store, error);
}

bool Registration_Store::Unregister_Type_Library(const Guid& libid, int major, int minor,
                                                 QString* error) const
{
    auto store = Read_Store(path_, error);
    if (!store)
        return false;
    QJsonObject libs = store->value(kTypeLibs).toObject();
    const QString id = Guid_Text(libid);
    QJsonObject versions = libs.value(id).toObject();
    versions.remove(Version_Key(major, minor));
    if (versions.isEmpty())
        libs.remove(id);
    else
        libs.insert(id, versions);
    store->insert(kTypeLibs, libs);
    return Write_Store(path_, *store, error);
}

std::optional<Guid> Registration_Store::Find_Clsid(const QString& prog_id) const
{
    const auto store = Read_Store(path_, nullptr);
    if (!store || prog_id.isEmpty())
        return std::nullopt;
    const QJsonObject progIds = store->value(kProgIds).toObject();
    QString key = Find_Key(progIds, prog_id);
    // A version-independent ProgID may name its class only through its
    // current version; follow that one step.
    for (int hop = 0; hop < 2 && !key.isEmpty(); ++hop) {
        const QJsonObject entry = progIds.value(key).toObject();
        if (const auto id = Parse_Guid(entry.value("clsid").toString()))
            return id;
        key = Find_Key(progIds, entry.value("curVer").toString());
    }
    return std::nullopt;
}

std::optional<Class_Registration> Registration_Store::Find_Class(const Guid& clsid) const
{
    const auto store = Read_Store(path_, nullptr);
    if (!store)
        return std::nullopt;
    const QJsonObject classes = store->value(kClasses).toObject();
    const QString key = Find_Key(classes, Guid_Text(clsid));
    if (key.isEmpty())
        return std::nullopt;
    const QJsonObject e = classes.value(key).toObject();
    Class_Registration reg;
    reg.clsid = clsid;
    reg.description = e.value("description").toString();
    reg.prog_id = e.value("progId").toString();
    reg.version_independent_prog_id = e.value("versionIndependentProgId").toString();
    reg.threading_model = e.value("threadingModel").toString();
    reg.library_path = e.value("library").toString();
    reg.type_library = Parse_Guid(e.value("typeLib").toString());
    return reg;
}

std::optional<Type_Library_Registration> Registration_Store::Find_Type_Library(const Guid& libid,
                                                                               int major,
                                                                               int minor) const
{
    const auto store = Read_Store(path_, nullptr);
    if (!store)
        return std::nullopt;
    const QJsonObject versions =
        store->value(kTypeLibs).toObject().value(Guid_Text(libid)).toObject();
    const QString key = Version_Key(major, minor);
    if (!versions.contains(key))
        return std::nullopt;
    const QJsonObject e = versions.value(key).toObject();
    return Type_Library_Registration{libid, major, minor, e.value("name").toString(),
                                     e.value("helpString").toString(),
                                     e.value("library").toString()};
}

} // namespace platform::component
