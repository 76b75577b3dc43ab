#pragma once
// ADO Recordset with a client-side cursor: every row is materialised when opened, so the
// recordset outlives its statement and its connection (disconnected recordsets).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "jet/engine.h"
#include "platform/dispatch.h"

namespace zolk::ado {

class Connection;
class Fields;
class Field;

// ADO position markers.
inline constexpr std::int32_t adPosUnknown = -1, adPosBOF = -2, adPosEOF = -3;

class Recordset : public platform::Dispatchable {
public:
    Recordset();
    // An open recordset over rows already read (what Connection::Execute returns).
    static std::shared_ptr<Recordset> fromRows(jet::RowSet rows, std::string source);

    // Source and connection
    const std::string& Source() const;
    void Source(std::string text);                      // open -> 3705
    std::shared_ptr<Connection> ActiveConnection() const;
    void ActiveConnection(std::shared_ptr<Connection> connection);  // nullptr disconnects

    void Open();   // Source on ActiveConnection, or an empty fabricated recordset
    void Close();  // closed -> 3704
    std::int32_t State() const;

    // Counts and paging (closed -> 3704)
    std::int32_t RecordCount() const;
    std::int32_t PageSize() const;
    void PageSize(std::int32_t size);  // < 1 -> 3001
    std::int32_t PageCount() const;
    std::int32_t AbsolutePage() const;
    void AbsolutePage(std::int32_t page);
    std::int32_t AbsolutePosition() const;
    void AbsolutePosition(std::int32_t position);
    const std::string& Sort() const;
    void Sort(const std::string& keys);  // "Col1 ASC, Col2 DESC"; "" restores; stable

    // Cursor
    bool BOF() const;
    bool EOF_() const;  // EOF is a macro in <cstdio>
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();

    // Fabrication and updates. Changes stay in memory (never written back to the database);
    // Connection::Execute's recordsets refuse them with 3251.
    void AddNew();
    void Update();

    // Fields
    std::shared_ptr<Fields> FieldsCollection();
    std::int32_t fieldCount() const;
    const jet::Column& column(std::int32_t index) const;
    std::int32_t fieldIndex(std::string_view name) const;  // unknown -> 3265
    const platform::Variant& value(std::int32_t index) const;  // no current record -> 3021
    const platform::Variant& value(std::string_view name) const;
    void setValue(std::int32_t index, platform::Variant v);
    void setValue(std::string_view name, platform::Variant v);
    // Appends a field definition (closed and without connection only -> else 3219).
    void appendField(const std::string& name, std::int32_t type, std::int32_t definedSize,
                     std::int32_t attributes);

    std::string className() const override { return "Recordset"; }
    const platform::MemberTable& memberTable() const override;
    platform::Variant defaultValue(std::vector<platform::Variant>& args) override;

private:
    struct State_;
    void requireOpen() const;
    void finishPending();
    std::size_t currentRow() const;  // no current record -> 3021
    void loadRows(jet::RowSet&& rows);
    void buildOrder();
    std::shared_ptr<Recordset> handle();

    std::shared_ptr<State_> s_;
};

class Field : public platform::Dispatchable {
public:
    Field(std::shared_ptr<Recordset> owner, std::int32_t index);
    std::string Name() const;
    std::int32_t Type() const;
    std::int32_t DefinedSize() const;
    std::int32_t Attributes() const;
    platform::Variant Value() const;
    void Value(platform::Variant v);

    std::string className() const override { return "Field"; }
    const platform::MemberTable& memberTable() const override;
    platform::Variant defaultValue(std::vector<platform::Variant>& args) override;

private:
    std::shared_ptr<Recordset> owner_;
    std::int32_t index_;
};

class Fields : public platform::Dispatchable {
public:
    explicit Fields(std::shared_ptr<Recordset> owner);
    std::int32_t Count() const;
    std::shared_ptr<Field> Item(const platform::Variant& indexOrName) const;
    void Append(const std::string& name, std::int32_t type, std::int32_t definedSize,
                std::int32_t attributes);

    std::string className() const override { return "Fields"; }
    const platform::MemberTable& memberTable() const override;
    platform::Variant defaultValue(std::vector<platform::Variant>& args) override;

private:
    std::shared_ptr<Recordset> owner_;
};

}  // namespace zolk::ado
