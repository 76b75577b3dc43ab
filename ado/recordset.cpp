#include "ado/recordset.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "ado/connection.h"
#include "ado/data_types.h"
#include "ado/errors.h"
#include "ado/field_value.h"
#include "ado/recordset_state.h"
#include "platform/runtime_error.h"

namespace zolk::ado {

using platform::Variant;
namespace err = platform::err;

namespace {

[[noreturn]] void fail(std::int32_t number, std::string_view detail = {}) {
    raiseAdo(number, RecordsetSource, detail);
}

int foldedCompare(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

std::int32_t toCount(std::size_t n) {
    constexpr auto max = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(n > max ? max : n);
}

}  // namespace

Recordset::Recordset() : s_(std::make_shared<State_>()) {}

std::shared_ptr<Recordset> Recordset::fromRows(jet::RowSet rows, std::string source) {
    auto rs = std::make_shared<Recordset>();
    rs->s_->source = std::move(source);
    rs->s_->readOnly = true;
    rs->loadRows(std::move(rows));
    return rs;
}

// Takes the engine's vectors over as they are: a large result is never copied again.
void Recordset::loadRows(jet::RowSet&& rows) {
    State_& s = *s_;
    s.columns = std::move(rows.columns);
    s.byName.clear();
    s.cells = std::move(rows.cells);
    s.appended = false;
    s.adding = false;
    s.order.clear();
    if (s.columns.empty()) {
        // A statement that gave no rowset leaves the recordset closed, as ADO does.
        s.cells.clear();
        s.rows = 0;
        s.open = false;
        s.position = -1;
        return;
    }
    s.rows = s.cells.size() / s.columns.size();
    s.open = true;
    try {
        buildOrder();
    } catch (...) {
        s.open = false;
        s.cells.clear();
        s.rows = 0;
        s.columns.clear();
        s.byName.clear();
        throw;
    }
    s.position = s.rows ? 0 : -1;
}

// ---- Source and connection ----

const std::string& Recordset::Source() const { return s_->source; }

void Recordset::Source(std::string text) {
    if (s_->open) fail(err::AdoObjectOpen);
    s_->source = std::move(text);
}

std::shared_ptr<Connection> Recordset::ActiveConnection() const { return s_->connection; }

void Recordset::ActiveConnection(std::shared_ptr<Connection> connection) {
    s_->connection = std::move(connection);
}

void Recordset::Open() {
    State_& s = *s_;
    if (s.open) fail(err::AdoObjectOpen);
    if (!s.source.empty()) {
        if (!s.connection || s.connection->State() != 1) fail(err::AdoConnectionInvalid);
        jet::RowSet rows = s.connection->openForRecordset(s.source);
        s.readOnly = false;
        loadRows(std::move(rows));
        return;
    }
    if (s.appended && !s.columns.empty()) {
        // A fabricated recordset: the appended fields and no rows.
        s.cells.clear();
        s.rows = 0;
        s.order.clear();
        s.readOnly = false;
        s.adding = false;
        s.open = true;
        s.position = -1;
        try {
            buildOrder();
        } catch (...) {
            s.open = false;
            throw;
        }
        return;
    }
    fail(s.connection ? err::AdoArguments : err::AdoConnectionInvalid, "no Source to open");
}

void Recordset::Close() {
    State_& s = *s_;
    if (!s.open) fail(err::AdoObjectClosed);
    s.open = false;
    s.adding = false;
    s.cells = {};
    s.order = {};
    s.rows = 0;
    s.position = -1;
    // Appended fields stay, so a fabricated recordset can be opened again.
    if (!s.appended) {
        s.columns.clear();
        s.byName.clear();
    }
}

std::int32_t Recordset::State() const { return s_->open ? 1 : 0; }

void Recordset::requireOpen() const {
    if (!s_->open) fail(err::AdoObjectClosed);
}

// ---- Counts and paging ----

std::int32_t Recordset::RecordCount() const {
    requireOpen();
    return toCount(s_->rows);
}

std::int32_t Recordset::PageSize() const { return s_->pageSize; }

void Recordset::PageSize(std::int32_t size) {
    if (size < 1) fail(err::AdoArguments, "PageSize must be 1 or more");
    s_->pageSize = size;
}

std::int32_t Recordset::PageCount() const {
    requireOpen();
    const auto size = static_cast<std::size_t>(s_->pageSize);
    return toCount((s_->rows + size - 1) / size);
}

std::int32_t Recordset::AbsolutePage() const {
    requireOpen();
    const State_& s = *s_;
    if (s.rows == 0) return adPosUnknown;
    if (s.position < 0) return adPosBOF;
    if (s.position >= static_cast<std::ptrdiff_t>(s.rows)) return adPosEOF;
    return toCount(static_cast<std::size_t>(s.position) / static_cast<std::size_t>(s.pageSize) + 1);
}

void Recordset::AbsolutePage(std::int32_t page) {
    requireOpen();
    finishPending();
    if (page < 1 || page > PageCount()) fail(err::AdoArguments, "no such page");
    s_->position = static_cast<std::ptrdiff_t>(page - 1) * s_->pageSize;
}

std::int32_t Recordset::AbsolutePosition() const {
    requireOpen();
    const State_& s = *s_;
    if (s.rows == 0) return adPosUnknown;
    if (s.position < 0) return adPosBOF;
    if (s.position >= static_cast<std::ptrdiff_t>(s.rows)) return adPosEOF;
    return toCount(static_cast<std::size_t>(s.position) + 1);
}

void Recordset::AbsolutePosition(std::int32_t position) {
    requireOpen();
    finishPending();
    if (position < 1 || static_cast<std::size_t>(position) > s_->rows)
        fail(err::AdoArguments, "no such position");
    s_->position = position - 1;
}

const std::string& Recordset::Sort() const { return s_->sort; }

void Recordset::Sort(const std::string& keys) {
    State_& s = *s_;
    if (!s.open) {
        // Checked now when the fields are known, else when the recordset opens.
        if (!s.columns.empty()) parseSortKeys(keys, s.columns);
        s.sort = keys;
        return;
    }
    finishPending();
    std::string next = keys;  // `keys` may be Sort() itself
    std::string previous = std::exchange(s.sort, std::move(next));
    try {
        buildOrder();
    } catch (...) {
        s.sort = std::move(previous);
        throw;
    }
    s.position = s.rows ? 0 : -1;
}

// ---- Cursor ----

bool Recordset::BOF() const {
    requireOpen();
    return s_->rows == 0 || s_->position < 0;
}

bool Recordset::EOF_() const {
    requireOpen();
    return s_->rows == 0 || s_->position >= static_cast<std::ptrdiff_t>(s_->rows);
}

void Recordset::MoveFirst() {
    requireOpen();
    finishPending();
    if (s_->rows == 0) fail(err::AdoNoCurrentRecord);
    s_->position = 0;
}

void Recordset::MoveLast() {
    requireOpen();
    finishPending();
    if (s_->rows == 0) fail(err::AdoNoCurrentRecord);
    s_->position = static_cast<std::ptrdiff_t>(s_->rows) - 1;
}

void Recordset::MoveNext() {
    requireOpen();
    finishPending();
    if (s_->rows == 0 || s_->position >= static_cast<std::ptrdiff_t>(s_->rows))
        fail(err::AdoNoCurrentRecord);
    ++s_->position;  // from BOF onto the first record
}

void Recordset::MovePrevious() {
    requireOpen();
    finishPending();
    if (s_->rows == 0 || s_->position < 0) fail(err::AdoNoCurrentRecord);
    --s_->position;  // from EOF onto the last record
}

// ---- Fabrication and updates ----

// Values are stored as they are set, so an Update has only the pending AddNew to close.
void Recordset::finishPending() { s_->adding = false; }

void Recordset::AddNew() {
    requireOpen();
    State_& s = *s_;
    if (s.readOnly) fail(err::AdoNotUpdatable);
    finishPending();
    s.cells.resize(s.cells.size() + s.columns.size(), Variant::null());
    const std::size_t row = s.rows++;
    // With a Sort in force the new record joins the end of the sorted view.
    if (!s.order.empty()) s.order.push_back(static_cast<std::uint32_t>(row));
    s.position = static_cast<std::ptrdiff_t>(s.rows) - 1;
    s.adding = true;
}

void Recordset::Update() {
    requireOpen();
    if (s_->readOnly) fail(err::AdoNotUpdatable);
    if (s_->adding) {
        s_->adding = false;
        return;
    }
    if (!s_->onRecord()) fail(err::AdoNoCurrentRecord);
}

// ---- Fields ----

std::shared_ptr<Recordset> Recordset::handle() {
    if (auto self = weak_from_this().lock()) return std::static_pointer_cast<Recordset>(self);
    // Not owned by a shared_ptr: a second handle on the same state serves the same.
    auto other = std::make_shared<Recordset>();
    other->s_ = s_;
    return other;
}

std::shared_ptr<Fields> Recordset::FieldsCollection() { return std::make_shared<Fields>(handle()); }

std::int32_t Recordset::fieldCount() const { return toCount(s_->columns.size()); }

const jet::Column& Recordset::column(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= s_->columns.size())
        raiseAdo(err::AdoItemNotFound, FieldsSource, std::to_string(index));
    return s_->columns[static_cast<std::size_t>(index)];
}

// Copying a page reads and writes every field by name for every row, so names are looked up
// in a sorted index rather than one by one.
std::int32_t Recordset::fieldIndex(std::string_view name) const {
    const auto& columns = s_->columns;
    auto& byName = s_->byName;
    if (byName.size() != columns.size()) {
        byName.resize(columns.size());
        std::iota(byName.begin(), byName.end(), 0);
        std::stable_sort(byName.begin(), byName.end(), [&](std::int32_t a, std::int32_t b) {
            return foldedCompare(columns[static_cast<std::size_t>(a)].name,
                                 columns[static_cast<std::size_t>(b)].name) < 0;
        });
    }
    const auto found = std::lower_bound(byName.begin(), byName.end(), name,
                                        [&](std::int32_t index, std::string_view key) {
                                            return foldedCompare(columns[static_cast<std::size_t>(index)].name, key) < 0;
                                        });
    if (found != byName.end() && foldedCompare(columns[static_cast<std::size_t>(*found)].name, name) == 0)
        return *found;
    raiseAdo(err::AdoItemNotFound, FieldsSource, name);
}

std::size_t Recordset::currentRow() const {
    if (!s_->onRecord()) fail(err::AdoNoCurrentRecord);
    return s_->rowAt(static_cast<std::size_t>(s_->position));
}

const Variant& Recordset::value(std::int32_t index) const {
    requireOpen();
    column(index);
    return s_->cells[currentRow() * s_->columns.size() + static_cast<std::size_t>(index)];
}

const Variant& Recordset::value(std::string_view name) const {
    requireOpen();
    return value(fieldIndex(name));
}

void Recordset::setValue(std::int32_t index, Variant v) {
    requireOpen();
    const jet::Column& col = column(index);
    if (s_->readOnly) fail(err::AdoNotUpdatable);
    const std::size_t row = currentRow();
    s_->cells[row * s_->columns.size() + static_cast<std::size_t>(index)] = convertForField(col, v);
}

void Recordset::setValue(std::string_view name, Variant v) {
    requireOpen();
    setValue(fieldIndex(name), std::move(v));
}

void Recordset::appendField(const std::string& name, std::int32_t type, std::int32_t definedSize,
                            std::int32_t attributes) {
    State_& s = *s_;
    if (s.open || s.connection)
        raiseAdo(err::AdoNotAllowed, FieldsSource, "fields are appended only to a closed recordset "
                                                   "without a connection");
    if (name.empty()) raiseAdo(err::AdoArguments, FieldsSource, "field name is empty");
    if (!isAppendableType(type))
        raiseAdo(err::AdoArguments, FieldsSource, "field type " + std::to_string(type));
    if (definedSize < 0) raiseAdo(err::AdoArguments, FieldsSource, "DefinedSize is negative");
    if (!s.appended) {
        s.columns.clear();
        s.appended = true;
    }
    for (const jet::Column& c : s.columns)
        if (platform::equalsNoCase(c.name, name)) raiseAdo(err::AdoAlreadyInCollection, FieldsSource, name);
    s.columns.push_back(jet::Column{name, type, definedSize, attributes});
    s.byName.clear();
}

Variant Recordset::defaultValue(std::vector<Variant>& args) {
    if (args.empty()) return Variant(platform::ObjectRef(FieldsCollection()));
    if (args.size() != 1)
        throw platform::RuntimeError(err::DispBadParamCount, "Invalid number of parameters.",
                                     className());
    return value(resolveFieldIndex(*this, args[0]));
}

}  // namespace zolk::ado
