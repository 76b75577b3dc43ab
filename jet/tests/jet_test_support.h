#pragma once
// Shared by the engine's tests: a fresh temporary database per test, and helpers to run text.
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "jet/engine.h"
#include "platform/runtime_error.h"

namespace zolk::jet::testing {

// A database file of its own under the temporary directory, removed with its WAL files; or,
// when the tests have a PostgreSQL server (ZOLK_TEST_POSTGRES, its connection parameters in URL
// query form), a database of its own on that server, dropped afterwards.
class TempDatabase {
public:
    TempDatabase() {
        static int counter = 0;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info ? std::string(info->test_suite_name()) + "_" + info->name() : "jet";
        for (auto& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        if (const char* server = std::getenv("ZOLK_TEST_POSTGRES"); server && *server) {
            server_ = server;
            name_ = "zolk_jet_" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
            admin("CREATE DATABASE " + name_);
            return;
        }
        path_ = (std::filesystem::temp_directory_path() /
                 ("zolk_jet_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + "_" + name + ".db"))
                    .string();
        remove();
    }
    ~TempDatabase() {
        if (server_.empty()) remove();
        else admin("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
    }
    const std::string& path() const { return path_; }
    std::string url() const {
        return server_.empty() ? "sqlite:" + path_ : "postgresql:///" + name_ + "?" + server_;
    }

    // Creates the database with native scripts and opens a session on it.
    std::unique_ptr<Session> create(const std::vector<std::string>& scripts) const {
        createDatabase(url(), scripts, 1, false);
        return openSession(url());
    }

private:
    void remove() const {
        std::error_code ec;
        for (const char* s : {"", "-wal", "-shm", "-journal"}) std::filesystem::remove(path_ + s, ec);
    }
    void admin(const std::string& sql) const {
        PGconn* c = PQconnectdb(("postgresql:///postgres?" + server_).c_str());
        PQclear(PQexec(c, sql.c_str()));
        PQfinish(c);
    }
    std::string path_;
    std::string server_, name_;
};

// A small database with every declared type, a relationship and known rows.
inline std::vector<std::string> sampleScripts() {
    return {R"sql(
CREATE TABLE Pessoas (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    Nome VARCHAR(50),
    Apelido VARCHAR(30),
    Nascimento DATETIME,
    Ativo YESNO NOT NULL DEFAULT 0,
    Saldo CURRENCY,
    Peso DOUBLE,
    Filhos SMALLINT,
    Nivel BYTE,
    Notas LONGTEXT);
CREATE TABLE Pedidos (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    CodigoDaPessoa INTEGER,
    Valor CURRENCY,
    Data DATETIME,
    Pago YESNO NOT NULL DEFAULT 0,
    Descricao VARCHAR(100));
CREATE TABLE Itens (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    NumeroDoPedido INTEGER NOT NULL REFERENCES Pedidos (Numero),
    Quantidade CURRENCY);
INSERT INTO Pessoas VALUES (1, 'João Silva', 'JOÃO', '1980-05-15 00:00:00', -1, 12.5, 70.25, 2, 1, 'nota');
INSERT INTO Pessoas VALUES (2, 'Maria', 'maria', NULL, 0, NULL, NULL, 0, 0, NULL);
INSERT INTO Pessoas VALUES (3, 'ana', NULL, '2024-05-06 00:00:00', -1, 1234.5678, 80, 1, 2, NULL);
INSERT INTO Pessoas VALUES (4, 'Zé', 'zé', NULL, 0, 0, 0.1, NULL, NULL, NULL);
INSERT INTO Pedidos VALUES (1, 1, 100, '2024-05-15 10:30:00', -1, 'primeiro');
INSERT INTO Pedidos VALUES (2, 1, 250.5, '2024-06-01 00:00:00', 0, 'segundo');
INSERT INTO Pedidos VALUES (3, 2, 100, '2024-05-15 00:00:00', 0, NULL);
INSERT INTO Pedidos VALUES (4, 9, 50, NULL, 0, 'Primeiro');
INSERT INTO Itens VALUES (1, 1, 2);
INSERT INTO Itens VALUES (2, 1, 3);
)sql"};
}

// A value as the tests write it: its subtype and its value ("L1", "I2", "F0.5", "C12.5",
// "D2024-05-15 00:00:00", "'text'", "True", "Null").
inline std::string render(const platform::Variant& v) {
    using platform::VarType;
    switch (v.type()) {
        case VarType::Null: return "Null";
        case VarType::Empty: return "Empty";
        case VarType::Integer: return "I" + std::to_string(v.asInteger());
        case VarType::Long: return "L" + std::to_string(v.asLong());
        case VarType::Double: {
            char buf[40];
            std::snprintf(buf, sizeof buf, "F%.15g", v.asDouble());
            return buf;
        }
        case VarType::Currency: return "C" + v.asCurrency().toPlainText();
        case VarType::Date: return "D" + v.asDate().iso();
        case VarType::String: return "'" + v.asString() + "'";
        case VarType::Boolean: return v.asBoolean() ? "True" : "False";
        default: return "?";
    }
}

// Rows as "a|b;c|d".
inline std::string render(const RowSet& rows) {
    std::string out;
    const std::size_t n = rows.columns.size();
    for (std::size_t i = 0; i < rows.cells.size(); ++i) {
        if (i && i % n == 0) out += ';';
        else if (i) out += '|';
        out += render(rows.cells[i]);
    }
    return out;
}

// The error a statement raises, or number 0 when it runs.
struct Raised {
    std::int32_t number = 0;
    std::int32_t helpContext = 0;
    std::string description;
};

inline Raised errorOf(Session& s, const std::string& sql) {
    try {
        s.execute(sql);
    } catch (const platform::RuntimeError& e) {
        return {e.number(), e.helpContext(), e.description()};
    }
    return {};
}

}  // namespace zolk::jet::testing
