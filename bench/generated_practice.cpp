#include "bench/generated_practice.h"

#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "schema/practice_database.h"

namespace zolk::bench {
namespace {

namespace fs = std::filesystem;

// Raised when the rows a generation writes change: files of an older generation are not reused.
constexpr int kGeneration = 1;
constexpr int kVeterinarians = 20;

constexpr std::array kFirstNames = {"João", "Maria", "José", "Ana", "Antônio", "Francisca", "Carlos", "Conceição",
                                    "Paulo", "Márcia", "Pedro", "Adriana", "Lucas", "Juliana", "Luís", "Fernanda",
                                    "Marcos", "Patrícia", "Gabriel", "Aline", "Rafael", "Sandra", "Daniel", "Camila",
                                    "Marcelo", "Letícia", "Bruno", "Mônica", "Eduardo", "Cláudia", "Felipe", "Vânia"};
constexpr std::array kSurnames = {"Silva", "Santos", "Oliveira", "Souza", "Rodrigues", "Ferreira", "Alves",
                                  "Pereira", "Lima", "Gomes", "Costa", "Ribeiro", "Martins", "Carvalho", "Araújo",
                                  "Melo", "Barbosa", "Gonçalves", "Rocha", "Dias", "Nascimento", "Andrade",
                                  "Moreira", "Nunes", "Marques", "Machado", "Mendes", "Freitas", "Cardoso",
                                  "D'Ávila", "Teixeira", "Simões"};
constexpr std::array kStreets = {"Rua das Flores", "Avenida Brasil", "Rua São João", "Rua XV de Novembro",
                                 "Avenida Paulista", "Rua da Conceição", "Travessa do Comércio", "Rua Direita"};
constexpr std::array kCities = {"São Paulo", "Campinas", "Santos", "Ribeirão Preto", "Sorocaba", "Jundiaí"};
constexpr std::array kAnimalNames = {"Rex", "Mel", "Thor", "Bidu", "Luna", "Pipoca", "Nina", "Bob", "Mia", "Simba",
                                     "Belinha", "Toby", "Frida", "Amora", "Fred", "Lola", "Paçoca", "Tigrão",
                                     "Bolinha", "Princesa", "Zeca", "Pretinha", "Chico", "Mimi", "Pingo", "Jade",
                                     "Bethoven", "Lili", "Duque", "Fumaça", "Canela", "Estopa"};
constexpr std::array kComplaints = {"Vômito e diarreia há três dias", "Coceira intensa nas orelhas",
                                    "Apatia e falta de apetite", "Tosse seca à noite", "Claudicação do membro pélvico",
                                    "Vacinação anual", "Retorno para avaliação", "Queda de pelos no dorso",
                                    "Dificuldade para urinar", "Secreção ocular purulenta", "Convulsão ontem à tarde",
                                    "Check-up geriátrico"};
constexpr std::array kDiagnoses = {"Gastroenterite", "Otite externa", "Dermatite alérgica", "Traqueobronquite",
                                   "Luxação de patela", "Saudável", "Cistite", "Conjuntivite", "Epilepsia idiopática",
                                   "Doença periodontal"};

// A fixed pseudo-random sequence, so that every generation of a size holds the same rows.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

template <typename List>
const char* pick(const List& list, std::uint64_t h) {
    return list[h % list.size()];
}

// Days since 1970-01-01 to an ISO date at the given second of the day.
std::string isoDateTime(std::int64_t days, int second) {
    days += 719468;
    const std::int64_t era = days / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const auto y = static_cast<int>(yoe + era * 400 + (m <= 2));
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", y, m, d, second / 3600, second / 60 % 60,
                  second % 60);
    return text;
}

constexpr std::int64_t kFirstDay = 16436;  // 2015-01-01

class Writer {
public:
    explicit Writer(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            const std::string why = sqlite3_errmsg(db_);
            sqlite3_close(db_);
            throw std::runtime_error("generating the benchmark practice: cannot open " + path + ": " + why);
        }
        exec("PRAGMA journal_mode=OFF");
        exec("PRAGMA synchronous=OFF");
        exec("BEGIN");
    }
    ~Writer() { sqlite3_close(db_); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void exec(const char* sql) {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(sql);
    }

    // Runs `sql` once per row, `bind` filling its parameters (1-based) for row i.
    template <typename Bind>
    void rows(const char* sql, std::int64_t count, Bind bind) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK) fail(sql);
        for (std::int64_t i = 1; i <= count; ++i) {
            bind(st, i);
            if (sqlite3_step(st) != SQLITE_DONE) {
                sqlite3_finalize(st);
                fail(sql);
            }
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
    }

    void finish() {
        exec("COMMIT");
        exec("PRAGMA journal_mode=WAL");
    }

private:
    [[noreturn]] void fail(const char* what) {
        throw std::runtime_error(std::string("generating the benchmark practice: ") + what + ": " +
                                 sqlite3_errmsg(db_));
    }
    sqlite3* db_ = nullptr;
};

void text(sqlite3_stmt* st, int column, const std::string& value) {
    sqlite3_bind_text(st, column, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
}

void generate(const std::string& path, std::int64_t records) {
    schema::createPracticeDatabase(path, false, false);
    const std::int64_t animals = (records + 1) / 2;
    const std::int64_t clients = (animals + 1) / 2;
    Writer w(path);
    w.rows("INSERT INTO Funcionarios (Nome, Apelido, Funcao, CRMV, Situacao, DataEHoraDaInclusao, UsuarioDaInclusao) "
           "VALUES (?, ?, 'Veterinário', ?, 1, '2015-01-01 08:00:00', 'admin')",
           kVeterinarians, [](sqlite3_stmt* st, std::int64_t i) {
               const auto h = mix(std::uint64_t(i) + 7);
               text(st, 1, std::string(pick(kFirstNames, h)) + " " + pick(kSurnames, h >> 8));
               text(st, 2, std::string("Dr. ") + pick(kFirstNames, h));
               text(st, 3, "SP-" + std::to_string(10000 + i));
           });
    w.rows("INSERT INTO Clientes (TipoDeCliente, ApelidoOuNomeFantasia, NomeOuRazaoSocial, CPFCNPJ, "
           "TipoDeLogradouro, Logradouro, Numero, Bairro, CEP, Cidade, UF, TipoDeCanalDeComunicacao1, "
           "CanalDeComunicacao1, Situacao, DataEHoraDaInclusao, UsuarioDaInclusao) "
           "VALUES ('PF', ?, ?, ?, 'Rua', ?, ?, 'Centro', '01001000', ?, 'SP', 'Celular', ?, 1, ?, 'admin')",
           clients, [](sqlite3_stmt* st, std::int64_t i) {
               const auto h = mix(std::uint64_t(i) * 3 + 1);
               const std::string first = pick(kFirstNames, h);
               text(st, 1, first);
               text(st, 2, first + " " + pick(kSurnames, h >> 8) + " " + pick(kSurnames, h >> 16));
               char digits[16];
               std::snprintf(digits, sizeof digits, "%011llu", static_cast<unsigned long long>(h % 100000000000ull));
               text(st, 3, digits);
               text(st, 4, pick(kStreets, h >> 24));
               text(st, 5, std::to_string(1 + (h >> 32) % 2000));
               text(st, 6, pick(kCities, h >> 40));
               text(st, 7, "(11) 9" + std::to_string(10000000 + (h >> 20) % 89999999));
               text(st, 8, isoDateTime(kFirstDay + std::int64_t(h % 3650), 9 * 3600));
           });
    w.rows("INSERT INTO Animais (CodigoDoCliente, Nome, CodigoDaEspecie, CodigoDaRaca, Sexo, Porte, "
           "DataDeNascimento, Cor, Microchip, Castrado, Situacao, DataEHoraDaInclusao, UsuarioDaInclusao) "
           "VALUES (?, ?, ?, ?, ?, 'Médio', ?, 'Caramelo', ?, ?, 1, ?, 'admin')",
           animals, [](sqlite3_stmt* st, std::int64_t i) {
               const auto h = mix(std::uint64_t(i) * 5 + 2);
               sqlite3_bind_int64(st, 1, (i - 1) / 2 + 1);
               text(st, 2, pick(kAnimalNames, h));
               sqlite3_bind_int(st, 3, int(1 + h % 2));
               sqlite3_bind_int(st, 4, int(1 + (h >> 8) % 10));
               text(st, 5, (h >> 16) % 2 ? "M" : "F");
               text(st, 6, isoDateTime(kFirstDay - 2000 + std::int64_t((h >> 20) % 5000), 0));
               text(st, 7, "9860000" + std::to_string(10000000 + i));
               sqlite3_bind_int(st, 8, (h >> 40) % 2 ? -1 : 0);
               text(st, 9, isoDateTime(kFirstDay + std::int64_t((h >> 24) % 3650), 10 * 3600));
           });
    w.rows("INSERT INTO FichasClinicas (DataDeEmissao, TipoDeAtendimento, CodigoDoCliente, CodigoDoAnimal, "
           "QueixaPrincipal, SGIEmese, SCRTosse, EFPeso, EFTemperatura, Diagnostico, Tratamento, DataDeRetorno, "
           "CodigoDoVeterinario, CodigoDoUsuarioDaInclusao, DataEHoraDaInclusao, UsuarioDaInclusao) "
           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'Conforme prescrição', ?, ?, 1, ?, 'admin')",
           records, [records, animals](sqlite3_stmt* st, std::int64_t i) {
               const auto h = mix(std::uint64_t(i) * 11 + 3);
               // Records are numbered in the order they were issued, over ten years.
               const std::int64_t day = kFirstDay + (i - 1) * 3650 / records;
               const int second = 8 * 3600 + int(h % (10 * 3600));
               const std::int64_t animal = 1 + std::int64_t((h >> 8) % std::uint64_t(animals));
               text(st, 1, isoDateTime(day, 0));
               sqlite3_bind_int(st, 2, (h >> 4) % 3 ? 1 : 2);
               sqlite3_bind_int64(st, 3, (animal - 1) / 2 + 1);
               sqlite3_bind_int64(st, 4, animal);
               text(st, 5, pick(kComplaints, h >> 32));
               sqlite3_bind_int(st, 6, (h >> 40) % 5 == 0 ? -1 : 0);
               sqlite3_bind_int(st, 7, (h >> 44) % 7 == 0 ? -1 : 0);
               sqlite3_bind_double(st, 8, 2.0 + double((h >> 12) % 400) / 10.0);
               sqlite3_bind_double(st, 9, 37.5 + double((h >> 50) % 20) / 10.0);
               text(st, 10, pick(kDiagnoses, h >> 36));
               if ((h >> 48) % 4 == 0) text(st, 11, isoDateTime(day + 15, 0));
               else sqlite3_bind_null(st, 11);
               sqlite3_bind_int(st, 12, int(1 + (h >> 56) % kVeterinarians));
               text(st, 13, isoDateTime(day, second));
           });
    w.finish();
}

fs::path dataFolder() {
    if (const char* d = std::getenv("ZOLK_BENCH_DATA"); d && *d) return d;
    return fs::temp_directory_path() / "zolk_bench_data";
}

}  // namespace

std::string generatedPractice(int records) {
    if (records < 1 || records > 10000000) throw std::invalid_argument("benchmark practice size out of range");
    static std::mutex mutex;
    static std::map<int, std::string> known;
    const std::lock_guard<std::mutex> lock(mutex);
    if (auto it = known.find(records); it != known.end()) return it->second;

    const fs::path folder = dataFolder();
    fs::create_directories(folder);
    const fs::path file = folder / ("practice-" + std::to_string(records) + "-g" + std::to_string(kGeneration) + ".db");
    if (!fs::exists(file)) {
        const fs::path partial = fs::path(file).concat(".partial-" + std::to_string(::getpid()));
        std::error_code ec;
        for (const char* s : {"", "-wal", "-shm", "-journal"}) fs::remove(fs::path(partial).concat(s), ec);
        try {
            generate(partial.string(), records);
        } catch (...) {
            for (const char* s : {"", "-wal", "-shm", "-journal"}) fs::remove(fs::path(partial).concat(s), ec);
            throw;
        }
        fs::rename(partial, file);
    }
    return known.emplace(records, file.string()).first->second;
}

std::string generatedPracticeUrl(int records) { return "sqlite:" + generatedPractice(records); }

std::vector<std::string> wideTableStatements(int rows, int columns) {
    const char* types[] = {"INTEGER", "VARCHAR(50)", "DOUBLE", "DATETIME", "CURRENCY", "YESNO", "LONGTEXT", "SMALLINT"};
    std::string ddl = "CREATE TABLE Wide (Id INTEGER PRIMARY KEY AUTOINCREMENT";
    for (int c = 1; c < columns; ++c) ddl += ", C" + std::to_string(c) + " " + types[c % 8];
    ddl += ");";
    std::string fill = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                       std::to_string(rows) + ") INSERT INTO Wide SELECT i";
    for (int c = 1; c < columns; ++c) {
        switch (c % 8) {
            case 0: fill += ", i * " + std::to_string(c); break;
            case 1: fill += ", 'texto ' || i"; break;
            case 2: fill += ", i / 3.0"; break;
            case 3: fill += ", '2024-05-15 10:30:00'"; break;
            case 4: fill += ", i * 1.25"; break;
            case 5: fill += ", -(i % 2)"; break;
            case 6: fill += ", 'uma observação um pouco mais longa que o texto curto ' || i"; break;
            case 7: fill += ", i % 100"; break;
        }
    }
    fill += " FROM n;";
    return {ddl, fill};
}

namespace {

void runScript(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error("preparing a benchmark database: " + text);
    }
}

}  // namespace

// A copy of the generated practice of `records` clinical records with as many exam requests,
// all on record 1 (its client, animal and veterinarian), from three laboratories. Built once,
// kept beside the generated practice.
std::string generatedPracticeWithExams(int records) {
    const fs::path source = generatedPractice(records);
    const fs::path file = source.parent_path() / ("exames-" + source.filename().string());
    if (fs::exists(file)) return file.string();
    const fs::path partial = fs::path(file).concat(".partial");
    fs::copy_file(source, partial, fs::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    if (sqlite3_open(partial.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + partial.string());
    }
    try {
        runScript(db, "BEGIN");
        runScript(db, "INSERT INTO Laboratorios (NomeFantasia, RazaoSocial, CNPJ, DataEHoraDaInclusao, UsuarioDaInclusao) "
                "VALUES ('Vet Análises', 'Vet Análises Clínicas Ltda', '11222333000181', '2015-01-01 08:00:00', 'admin'), "
                "('LabPet', 'Laboratório Pet São Paulo Ltda', '22333444000172', '2015-01-01 08:00:00', 'admin'), "
                "('Diagnóstica', 'Diagnóstica Veterinária S.A.', '33444555000163', '2015-01-01 08:00:00', 'admin')");
        runScript(db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(records) +
                    ") INSERT INTO Exames (DataDeEmissao, NumeroDaFichaClinica, CodigoDoVeterinario, CodigoDoCliente, "
                    "CodigoDoAnimal, CodigoDoLaboratorio, Relato, Amostra, ExamePago, HemogramaCompleto, Creatinina, "
                    "Biopsia, Ultrassom, Observacao, DataEHoraDaInclusao, UsuarioDaInclusao) "
                    "SELECT f.DataDeEmissao, 1, f.CodigoDoVeterinario, f.CodigoDoCliente, f.CodigoDoAnimal, 1 + n.i % 3, "
                    "'Relato do pedido ' || n.i, 'Sangue total', -(n.i % 3 = 0), -1, -(n.i % 2), 0, -(n.i % 5 = 0), "
                    "CASE WHEN n.i % 4 = 0 THEN NULL ELSE 'Observação do pedido ' || n.i END, "
                    "f.DataEHoraDaInclusao, 'admin' FROM n, FichasClinicas f WHERE f.Numero = 1");
        runScript(db, "COMMIT");
        runScript(db, "PRAGMA journal_mode=WAL");
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
    fs::rename(partial, file);
    return file.string();
}

}  // namespace zolk::bench
