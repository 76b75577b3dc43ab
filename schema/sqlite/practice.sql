-- The practice database, SQLite edition.
--
-- Declared types come from the engine's fixed list (VARCHAR(n), LONGTEXT, BYTE, SMALLINT, INTEGER,
-- DOUBLE, CURRENCY, DATETIME, YESNO): the engine types every result column from them.
-- Storage: DATETIME as 'YYYY-MM-DD HH:MM:SS' text (a time of day alone on 1899-12-30), YESNO as -1/0,
-- CURRENCY as a plain decimal number. Generated numbers are AUTOINCREMENT, so a number is never
-- given twice, as with Jet's AutoNumber.
--
-- Codes chosen by the user (client, animal, veterinarian, laboratory, product, service, medicine,
-- vaccine, clinical record) carry no foreign key: the business objects accept 0 and codes without a
-- row, and the listings leave such rows out through their inner joins. Foreign keys exist only from
-- the practice's referring tables (exam results, sale items, dispensings, medication checks,
-- vaccination certificates) to the rows whose deletion must be refused while they are referred to.
-- Every column that the business objects do not write is nullable or has a default.
-- The script runs inside the creation transaction; the schema version is stamped by the caller.

-- ---------------------------------------------------------------------------------------------
-- Master tables
-- ---------------------------------------------------------------------------------------------

CREATE TABLE EspeciesDeAnimais (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    Nome VARCHAR(50) NOT NULL,
    Situacao SMALLINT NOT NULL DEFAULT 1
);

CREATE TABLE RacasDeAnimais (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    Nome VARCHAR(50) NOT NULL,
    CodigoDaEspecieDeAnimal INTEGER NOT NULL,
    Situacao SMALLINT NOT NULL DEFAULT 1
);

CREATE INDEX RacasDeAnimais_Especie ON RacasDeAnimais (CodigoDaEspecieDeAnimal);

-- TipoDeCliente: 'PF' (person, CPFCNPJ holds the 11-digit CPF) or 'PJ' (company, 14-digit CNPJ).
-- A contact channel whose type starts with 'Email' is an e-mail address, any other a telephone.

CREATE TABLE Clientes (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    TipoDeCliente VARCHAR(2),
    ApelidoOuNomeFantasia VARCHAR(100),
    NomeOuRazaoSocial VARCHAR(100),
    CPFCNPJ VARCHAR(14),
    RGOuInscricaoEstadual VARCHAR(20),
    DataDeNascimento DATETIME,
    TipoDeLogradouro VARCHAR(20),
    Logradouro VARCHAR(100),
    Numero VARCHAR(10),
    Complemento VARCHAR(50),
    Bairro VARCHAR(50),
    CEP VARCHAR(8),
    Cidade VARCHAR(50),
    UF VARCHAR(2),
    TipoDeCanalDeComunicacao1 VARCHAR(30),
    CanalDeComunicacao1 VARCHAR(100),
    TipoDeCanalDeComunicacao2 VARCHAR(30),
    CanalDeComunicacao2 VARCHAR(100),
    TipoDeCanalDeComunicacao3 VARCHAR(30),
    CanalDeComunicacao3 VARCHAR(100),
    TipoDeCanalDeComunicacao4 VARCHAR(30),
    CanalDeComunicacao4 VARCHAR(100),
    Observacao LONGTEXT,
    Situacao SMALLINT NOT NULL DEFAULT 1,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX Clientes_NomeOuRazaoSocial ON Clientes (NomeOuRazaoSocial);

CREATE INDEX Clientes_CPFCNPJ ON Clientes (CPFCNPJ);

-- Sexo: 'M' or 'F'.

CREATE TABLE Animais (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    CodigoDoCliente INTEGER NOT NULL,
    Nome VARCHAR(50),
    CodigoDaEspecie INTEGER,
    CodigoDaRaca INTEGER,
    Sexo VARCHAR(1),
    Porte VARCHAR(20),
    DataDeNascimento DATETIME,
    Cor VARCHAR(30),
    RGA VARCHAR(20),
    Microchip VARCHAR(20),
    Pedigree YESNO NOT NULL DEFAULT 0 CHECK (Pedigree IN (0, -1)),
    Castrado YESNO NOT NULL DEFAULT 0 CHECK (Castrado IN (0, -1)),
    Obito YESNO NOT NULL DEFAULT 0 CHECK (Obito IN (0, -1)),
    Observacao LONGTEXT,
    Situacao SMALLINT NOT NULL DEFAULT 1,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX Animais_Cliente ON Animais (CodigoDoCliente);

CREATE INDEX Animais_Microchip ON Animais (Microchip);

-- Employees (veterinarians among them). Situacao 1 is active. Commission: Comissionado says whether
-- the employee earns any; with ComissaoUnica one percentage serves every service, otherwise the
-- percentage of the service type's column (types 1 to 7 and 99 of TiposDeServicos).

CREATE TABLE Funcionarios (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    Nome VARCHAR(100),
    Apelido VARCHAR(50),
    Funcao VARCHAR(50),
    CRMV VARCHAR(20),
    CPF VARCHAR(11),
    TipoDeCanalDeComunicacao1 VARCHAR(30),
    CanalDeComunicacao1 VARCHAR(100),
    TipoDeCanalDeComunicacao2 VARCHAR(30),
    CanalDeComunicacao2 VARCHAR(100),
    TipoDeCanalDeComunicacao3 VARCHAR(30),
    CanalDeComunicacao3 VARCHAR(100),
    TipoDeCanalDeComunicacao4 VARCHAR(30),
    CanalDeComunicacao4 VARCHAR(100),
    Comissionado YESNO NOT NULL DEFAULT 0 CHECK (Comissionado IN (0, -1)),
    ComissaoUnica YESNO NOT NULL DEFAULT 0 CHECK (ComissaoUnica IN (0, -1)),
    PercentualDeComissaoUnica CURRENCY,
    PercentualDeComissaoEmClinicos CURRENCY,
    PercentualDeComissaoEmCirurgiaSimples CURRENCY,
    PercentualDeComissaoEmCirurgiaMedia CURRENCY,
    PercentualDeComissaoEmCirurgiaComplexa CURRENCY,
    PercentualDeComissaoEmBanhosTosasEEsteticas CURRENCY,
    PercentualDeComissaoEmHospedagens CURRENCY,
    PercentualDeComissaoEmAdestramentos CURRENCY,
    PercentualDeComissaoEmOutros CURRENCY,
    Situacao SMALLINT NOT NULL DEFAULT 1,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

-- Users of the system and the permissions of the consultation module.

CREATE TABLE Usuarios (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    NomeDeUsuario VARCHAR(50) NOT NULL,
    NomeCompleto VARCHAR(100),
    CodigoDoFuncionario INTEGER,
    Administrador YESNO NOT NULL DEFAULT 0 CHECK (Administrador IN (0, -1)),
    PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa YESNO NOT NULL DEFAULT 0 CHECK (PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa IN (0, -1)),
    PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario YESNO NOT NULL DEFAULT 0 CHECK (PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario IN (0, -1)),
    Situacao SMALLINT NOT NULL DEFAULT 1,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50),
    UNIQUE (NomeDeUsuario)
);

CREATE TABLE Laboratorios (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    NomeFantasia VARCHAR(100),
    RazaoSocial VARCHAR(100),
    CNPJ VARCHAR(14),
    TipoDeCanalDeComunicacao1 VARCHAR(30),
    CanalDeComunicacao1 VARCHAR(100),
    TipoDeCanalDeComunicacao2 VARCHAR(30),
    CanalDeComunicacao2 VARCHAR(100),
    TipoDeCanalDeComunicacao3 VARCHAR(30),
    CanalDeComunicacao3 VARCHAR(100),
    TipoDeCanalDeComunicacao4 VARCHAR(30),
    CanalDeComunicacao4 VARCHAR(100),
    Situacao SMALLINT NOT NULL DEFAULT 1,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE TABLE Medicamentos (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    Nome VARCHAR(100),
    PrincipioAtivo VARCHAR(100),
    Apresentacao VARCHAR(100),
    Controlado YESNO NOT NULL DEFAULT 0 CHECK (Controlado IN (0, -1)),
    Situacao SMALLINT NOT NULL DEFAULT 1,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE TABLE Vacinas (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    Nome VARCHAR(100),
    Fabricante VARCHAR(100),
    NumeroDeDoses SMALLINT,
    IntervaloEntreAsDoses SMALLINT,
    Situacao SMALLINT NOT NULL DEFAULT 1,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

-- Service types are fixed numbers: 1 clinical, 2 to 4 simple, medium and complex surgery,
-- 5 bathing, grooming and aesthetics, 6 boarding, 7 training, 99 others.

CREATE TABLE TiposDeServicos (
    Numero INTEGER NOT NULL PRIMARY KEY,
    Nome VARCHAR(50),
    Situacao SMALLINT NOT NULL DEFAULT 1
);

CREATE TABLE Servicos (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    Nome VARCHAR(100),
    NumeroDoTipoDeServico INTEGER,
    Valor CURRENCY,
    Custo CURRENCY,
    Situacao SMALLINT NOT NULL DEFAULT 1,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE TABLE SubGruposDeProdutos (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    Nome VARCHAR(50),
    PercentualDeComissao CURRENCY,
    Situacao SMALLINT NOT NULL DEFAULT 1
);

-- SaldoEmEstoque is the stock balance; every movement is logged in HistoricoDeProdutos.

CREATE TABLE Produtos (
    CodigoInterno INTEGER PRIMARY KEY AUTOINCREMENT,
    CodigoDeBarras VARCHAR(14),
    Nome VARCHAR(100),
    CodigoDoSubGrupo INTEGER,
    Unidade VARCHAR(10),
    PrecoDeCusto CURRENCY,
    PrecoDeVenda CURRENCY,
    SaldoEmEstoque CURRENCY NOT NULL DEFAULT 0,
    EstoqueMinimo CURRENCY,
    Situacao SMALLINT NOT NULL DEFAULT 1,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX Produtos_CodigoDeBarras ON Produtos (CodigoDeBarras);


-- ---------------------------------------------------------------------------------------------
-- Budgets: a budget is imported whole into a clinical record, then its items and the budget go.
-- ---------------------------------------------------------------------------------------------

CREATE TABLE Orcamentos (
    NumeroDoOrcamento INTEGER PRIMARY KEY AUTOINCREMENT,
    Data DATETIME,
    CodigoDoCliente INTEGER,
    CodigoDoAnimal INTEGER,
    CodigoDoFuncionario INTEGER,
    ValidoAte DATETIME,
    ValorTotal CURRENCY,
    Observacao VARCHAR(255),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

-- An item's columns carry the names the import reads: TipoDeLancamento '1' is a service (type number
-- and service code), anything else a product (bar code and internal code).

CREATE TABLE ItensDoOrcamento (
    NumeroDoOrcamento INTEGER NOT NULL,
    NumeroDoItemDoOrcamento INTEGER NOT NULL,
    TipoDeLancamento VARCHAR(5),
    NumeroDoTipoDeServicoOuCodigoDeBarrasDoProduto VARCHAR(14),
    CodigoDoServicoOuCodigoInternoDoProduto INTEGER,
    Descricao VARCHAR(100),
    Quantidade CURRENCY,
    ValorUnitario CURRENCY,
    ValorTotal CURRENCY,
    DescontoEmPercentual CURRENCY,
    DescontoEmValor CURRENCY,
    ValorLiquido CURRENCY,
    Custo CURRENCY,
    TipoDeVenda VARCHAR(5),
    PRIMARY KEY (NumeroDoOrcamento, NumeroDoItemDoOrcamento)
);


-- ---------------------------------------------------------------------------------------------
-- Clinical records and return appointments
-- ---------------------------------------------------------------------------------------------

-- TipoDeAtendimento: 1 first visit, 2 return visit. NumeroDaVenda is filled by the sales side.

CREATE TABLE FichasClinicas (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    DataDeEmissao DATETIME,
    TipoDeAtendimento SMALLINT,
    CodigoDoCliente INTEGER,
    CodigoDoAnimal INTEGER,
    QueixaPrincipal LONGTEXT,
    SGIApetite VARCHAR(255),
    SGIEmese YESNO NOT NULL DEFAULT 0 CHECK (SGIEmese IN (0, -1)),
    SGIEmeseFrequencia VARCHAR(255),
    SGIEmeseColoracao VARCHAR(255),
    SGIHematemese YESNO NOT NULL DEFAULT 0 CHECK (SGIHematemese IN (0, -1)),
    SGIDiarreia YESNO NOT NULL DEFAULT 0 CHECK (SGIDiarreia IN (0, -1)),
    SGIMelenaID YESNO NOT NULL DEFAULT 0 CHECK (SGIMelenaID IN (0, -1)),
    SGIHematoquesiaIG YESNO NOT NULL DEFAULT 0 CHECK (SGIHematoquesiaIG IN (0, -1)),
    SGIDisquesia YESNO NOT NULL DEFAULT 0 CHECK (SGIDisquesia IN (0, -1)),
    SGITenesmo YESNO NOT NULL DEFAULT 0 CHECK (SGITenesmo IN (0, -1)),
    SGIAquesia YESNO NOT NULL DEFAULT 0 CHECK (SGIAquesia IN (0, -1)),
    SCRSecrecao VARCHAR(255),
    SCRDescricaoDaSecrecao VARCHAR(255),
    SCRTosse YESNO NOT NULL DEFAULT 0 CHECK (SCRTosse IN (0, -1)),
    SCREspirro YESNO NOT NULL DEFAULT 0 CHECK (SCREspirro IN (0, -1)),
    SCRDistricaoRespiratoria YESNO NOT NULL DEFAULT 0 CHECK (SCRDistricaoRespiratoria IN (0, -1)),
    SCRSincope YESNO NOT NULL DEFAULT 0 CHECK (SCRSincope IN (0, -1)),
    SCRCianose YESNO NOT NULL DEFAULT 0 CHECK (SCRCianose IN (0, -1)),
    SCRIntoleranciaAExercicio YESNO NOT NULL DEFAULT 0 CHECK (SCRIntoleranciaAExercicio IN (0, -1)),
    SCRCansacoFacil YESNO NOT NULL DEFAULT 0 CHECK (SCRCansacoFacil IN (0, -1)),
    SGUDisfuncaoHidrica VARCHAR(255),
    SGUUrinaColoracao VARCHAR(255),
    SGUUrinaVolume VARCHAR(255),
    SGUUrinaFrequencia VARCHAR(255),
    SGUUrinaOdor VARCHAR(255),
    SGUHematuria YESNO NOT NULL DEFAULT 0 CHECK (SGUHematuria IN (0, -1)),
    SGUDisuria YESNO NOT NULL DEFAULT 0 CHECK (SGUDisuria IN (0, -1)),
    SGUPiuria YESNO NOT NULL DEFAULT 0 CHECK (SGUPiuria IN (0, -1)),
    SGUEstranguria YESNO NOT NULL DEFAULT 0 CHECK (SGUEstranguria IN (0, -1)),
    SGUSecrecao YESNO NOT NULL DEFAULT 0 CHECK (SGUSecrecao IN (0, -1)),
    SGUCastrado YESNO NOT NULL DEFAULT 0 CHECK (SGUCastrado IN (0, -1)),
    SGUPartosNormais YESNO NOT NULL DEFAULT 0 CHECK (SGUPartosNormais IN (0, -1)),
    SGUAnticoncepcional YESNO NOT NULL DEFAULT 0 CHECK (SGUAnticoncepcional IN (0, -1)),
    SGUCiosRegulares YESNO NOT NULL DEFAULT 0 CHECK (SGUCiosRegulares IN (0, -1)),
    SGUUltimoCio VARCHAR(255),
    SGUCrias VARCHAR(255),
    SLClaudicacao YESNO NOT NULL DEFAULT 0 CHECK (SLClaudicacao IN (0, -1)),
    SLDescricaoDaClaudicacao VARCHAR(255),
    SLParesia YESNO NOT NULL DEFAULT 0 CHECK (SLParesia IN (0, -1)),
    SLDescricaoDaParesia VARCHAR(255),
    SLDorAoTransporObstaculos YESNO NOT NULL DEFAULT 0 CHECK (SLDorAoTransporObstaculos IN (0, -1)),
    SLDescricaoDaDorAoTransporObstaculos VARCHAR(255),
    SLImpotenciaFuncional YESNO NOT NULL DEFAULT 0 CHECK (SLImpotenciaFuncional IN (0, -1)),
    SLDescricaoDaImpotenciaFuncional VARCHAR(255),
    SNConvulsoes YESNO NOT NULL DEFAULT 0 CHECK (SNConvulsoes IN (0, -1)),
    SNDescricaoDasConvulsoes VARCHAR(255),
    SNAlteracoesComportamentais YESNO NOT NULL DEFAULT 0 CHECK (SNAlteracoesComportamentais IN (0, -1)),
    SNDescricaoDasAlteracoesComportamentais VARCHAR(255),
    SNAndarEmCirculos YESNO NOT NULL DEFAULT 0 CHECK (SNAndarEmCirculos IN (0, -1)),
    SNHeatTilt YESNO NOT NULL DEFAULT 0 CHECK (SNHeatTilt IN (0, -1)),
    SNNistagmo YESNO NOT NULL DEFAULT 0 CHECK (SNNistagmo IN (0, -1)),
    STPrurido YESNO NOT NULL DEFAULT 0 CHECK (STPrurido IN (0, -1)),
    STDescricaoDoPrurido VARCHAR(255),
    STAlopecia YESNO NOT NULL DEFAULT 0 CHECK (STAlopecia IN (0, -1)),
    STDescricaoDaAlopecia VARCHAR(255),
    STDescamacao YESNO NOT NULL DEFAULT 0 CHECK (STDescamacao IN (0, -1)),
    STDescricaoDaDescamacao VARCHAR(255),
    STMeneiosCefalicos YESNO NOT NULL DEFAULT 0 CHECK (STMeneiosCefalicos IN (0, -1)),
    STSecrecaoOtologica YESNO NOT NULL DEFAULT 0 CHECK (STSecrecaoOtologica IN (0, -1)),
    STPuliose YESNO NOT NULL DEFAULT 0 CHECK (STPuliose IN (0, -1)),
    STIxodidiose YESNO NOT NULL DEFAULT 0 CHECK (STIxodidiose IN (0, -1)),
    EFPeso DOUBLE,
    EFFrequenciaCardiaca DOUBLE,
    EFFrequenciaRespiratoria DOUBLE,
    EFTemperatura DOUBLE,
    EFTempoDePressaoCapilar DOUBLE,
    EFMucosas VARCHAR(255),
    EFDesidratacao VARCHAR(255),
    EFInspecao LONGTEXT,
    EFLinfonodos VARCHAR(255),
    EFDescricaoDeLifonodos VARCHAR(255),
    MNAlimentacao VARCHAR(255),
    MNContactantes VARCHAR(255),
    Diagnostico LONGTEXT,
    Tratamento LONGTEXT,
    Internacao LONGTEXT,
    DataDeRetorno DATETIME,
    CodigoDoVeterinario INTEGER,
    CodigoDoUsuarioDaInclusao INTEGER,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50),
    NumeroDaVenda INTEGER
);

CREATE INDEX FichasClinicas_Cliente ON FichasClinicas (CodigoDoCliente, CodigoDoAnimal);

CREATE INDEX FichasClinicas_DataDeEmissao ON FichasClinicas (DataDeEmissao);

-- Situacao 1 is scheduled. CodigoDoServico 0 and NumeroDaFichaClinica carry no foreign key: a return
-- appointment has no service, and its record number is written as given.

CREATE TABLE Agendamentos (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    Situacao SMALLINT,
    CodigoDoFuncionario INTEGER,
    DataInicial DATETIME,
    DataFinal DATETIME,
    CodigoDoServico INTEGER,
    NomeDoServico VARCHAR(100),
    NumeroDaFichaClinica INTEGER,
    CodigoDoCliente INTEGER,
    CodigoDoAnimal INTEGER,
    Observacao VARCHAR(255),
    TransporteBuscar YESNO NOT NULL DEFAULT 0 CHECK (TransporteBuscar IN (0, -1)),
    TransporteLevar YESNO NOT NULL DEFAULT 0 CHECK (TransporteLevar IN (0, -1)),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX Agendamentos_FichaClinica ON Agendamentos (NumeroDaFichaClinica);

CREATE INDEX Agendamentos_DataInicial ON Agendamentos (DataInicial);


-- ---------------------------------------------------------------------------------------------
-- Exam requests: one Yes/No column per exam of the catalogue
-- ---------------------------------------------------------------------------------------------

CREATE TABLE Exames (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    DataDeEmissao DATETIME,
    NumeroDaFichaClinica INTEGER,
    CodigoDoVeterinario INTEGER,
    CodigoDoCliente INTEGER,
    CodigoDoAnimal INTEGER,
    CodigoDoLaboratorio INTEGER,
    Relato VARCHAR(255),
    Amostra VARCHAR(100),
    ReceberResultadoPor VARCHAR(50),
    ExamePago YESNO NOT NULL DEFAULT 0 CHECK (ExamePago IN (0, -1)),
    ContagemDeReticulocitos YESNO NOT NULL DEFAULT 0 CHECK (ContagemDeReticulocitos IN (0, -1)),
    ContagemPlaquetaria YESNO NOT NULL DEFAULT 0 CHECK (ContagemPlaquetaria IN (0, -1)),
    DosagemDeFibrinogenio YESNO NOT NULL DEFAULT 0 CHECK (DosagemDeFibrinogenio IN (0, -1)),
    Eritrograma YESNO NOT NULL DEFAULT 0 CHECK (Eritrograma IN (0, -1)),
    HematocritoVG YESNO NOT NULL DEFAULT 0 CHECK (HematocritoVG IN (0, -1)),
    Hematoscopia YESNO NOT NULL DEFAULT 0 CHECK (Hematoscopia IN (0, -1)),
    HemogramaCompleto YESNO NOT NULL DEFAULT 0 CHECK (HemogramaCompleto IN (0, -1)),
    Leucograma YESNO NOT NULL DEFAULT 0 CHECK (Leucograma IN (0, -1)),
    PesquisaDeCelulasLE YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeCelulasLE IN (0, -1)),
    PesquisaDeCorpusculoDeLentz YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeCorpusculoDeLentz IN (0, -1)),
    PesquisaDeHematozoarios YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeHematozoarios IN (0, -1)),
    PesquisaDeInclusaoViral YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeInclusaoViral IN (0, -1)),
    ProvaDeCompatibilidadeSanguinea YESNO NOT NULL DEFAULT 0 CHECK (ProvaDeCompatibilidadeSanguinea IN (0, -1)),
    TesteParaAnemiaHemolitica YESNO NOT NULL DEFAULT 0 CHECK (TesteParaAnemiaHemolitica IN (0, -1)),
    ParasitologicosDeFezes YESNO NOT NULL DEFAULT 0 CHECK (ParasitologicosDeFezes IN (0, -1)),
    PesquisaDeHematozoariosEMicrofilaria YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeHematozoariosEMicrofilaria IN (0, -1)),
    PesquisaDeMicrofilaria YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeMicrofilaria IN (0, -1)),
    PesquisaDeMycoplasmaHemofelis YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeMycoplasmaHemofelis IN (0, -1)),
    PesquisaDeSangueOculto YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeSangueOculto IN (0, -1)),
    PesquisaDeSarna YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeSarna IN (0, -1)),
    PesquisaFecalDeCriptosporidiose YESNO NOT NULL DEFAULT 0 CHECK (PesquisaFecalDeCriptosporidiose IN (0, -1)),
    ACTH YESNO NOT NULL DEFAULT 0 CHECK (ACTH IN (0, -1)),
    CortisolAposDexametasona YESNO NOT NULL DEFAULT 0 CHECK (CortisolAposDexametasona IN (0, -1)),
    CortisolBasal YESNO NOT NULL DEFAULT 0 CHECK (CortisolBasal IN (0, -1)),
    EstimulacaoPorACTH YESNO NOT NULL DEFAULT 0 CHECK (EstimulacaoPorACTH IN (0, -1)),
    EstrogenosTotais YESNO NOT NULL DEFAULT 0 CHECK (EstrogenosTotais IN (0, -1)),
    FSH YESNO NOT NULL DEFAULT 0 CHECK (FSH IN (0, -1)),
    HipertiroidismoFelino YESNO NOT NULL DEFAULT 0 CHECK (HipertiroidismoFelino IN (0, -1)),
    Insulina YESNO NOT NULL DEFAULT 0 CHECK (Insulina IN (0, -1)),
    LH YESNO NOT NULL DEFAULT 0 CHECK (LH IN (0, -1)),
    PMSG YESNO NOT NULL DEFAULT 0 CHECK (PMSG IN (0, -1)),
    Progesterona YESNO NOT NULL DEFAULT 0 CHECK (Progesterona IN (0, -1)),
    RelacaoCortisolCreatininaUrinaria YESNO NOT NULL DEFAULT 0 CHECK (RelacaoCortisolCreatininaUrinaria IN (0, -1)),
    T3Total YESNO NOT NULL DEFAULT 0 CHECK (T3Total IN (0, -1)),
    T4Livre YESNO NOT NULL DEFAULT 0 CHECK (T4Livre IN (0, -1)),
    T4LivrePorDialise YESNO NOT NULL DEFAULT 0 CHECK (T4LivrePorDialise IN (0, -1)),
    T4Total YESNO NOT NULL DEFAULT 0 CHECK (T4Total IN (0, -1)),
    TesteDeReposicaoHormonal YESNO NOT NULL DEFAULT 0 CHECK (TesteDeReposicaoHormonal IN (0, -1)),
    Testoterona YESNO NOT NULL DEFAULT 0 CHECK (Testoterona IN (0, -1)),
    TSH YESNO NOT NULL DEFAULT 0 CHECK (TSH IN (0, -1)),
    VitaminaB12AcidoFolico YESNO NOT NULL DEFAULT 0 CHECK (VitaminaB12AcidoFolico IN (0, -1)),
    VitaminaB12AcidoFolicoTripsinogenio YESNO NOT NULL DEFAULT 0 CHECK (VitaminaB12AcidoFolicoTripsinogenio IN (0, -1)),
    AnaliseToxicologica YESNO NOT NULL DEFAULT 0 CHECK (AnaliseToxicologica IN (0, -1)),
    BrometoDePotassio YESNO NOT NULL DEFAULT 0 CHECK (BrometoDePotassio IN (0, -1)),
    DeteccaoDeBenzodiazepinicoUrina YESNO NOT NULL DEFAULT 0 CHECK (DeteccaoDeBenzodiazepinicoUrina IN (0, -1)),
    DeteccaoDeCannabisUrina YESNO NOT NULL DEFAULT 0 CHECK (DeteccaoDeCannabisUrina IN (0, -1)),
    DeteccaoDeCocainaUrina YESNO NOT NULL DEFAULT 0 CHECK (DeteccaoDeCocainaUrina IN (0, -1)),
    Digoxina YESNO NOT NULL DEFAULT 0 CHECK (Digoxina IN (0, -1)),
    Fenobarbital YESNO NOT NULL DEFAULT 0 CHECK (Fenobarbital IN (0, -1)),
    AcidosBiliaresTotais YESNO NOT NULL DEFAULT 0 CHECK (AcidosBiliaresTotais IN (0, -1)),
    AcidoUrico YESNO NOT NULL DEFAULT 0 CHECK (AcidoUrico IN (0, -1)),
    Albumina YESNO NOT NULL DEFAULT 0 CHECK (Albumina IN (0, -1)),
    ALTTGP YESNO NOT NULL DEFAULT 0 CHECK (ALTTGP IN (0, -1)),
    Amilase YESNO NOT NULL DEFAULT 0 CHECK (Amilase IN (0, -1)),
    Arsenico YESNO NOT NULL DEFAULT 0 CHECK (Arsenico IN (0, -1)),
    ASTTGO YESNO NOT NULL DEFAULT 0 CHECK (ASTTGO IN (0, -1)),
    Bilirrubinas YESNO NOT NULL DEFAULT 0 CHECK (Bilirrubinas IN (0, -1)),
    Cadmio YESNO NOT NULL DEFAULT 0 CHECK (Cadmio IN (0, -1)),
    Calcio YESNO NOT NULL DEFAULT 0 CHECK (Calcio IN (0, -1)),
    Chumbo YESNO NOT NULL DEFAULT 0 CHECK (Chumbo IN (0, -1)),
    CK YESNO NOT NULL DEFAULT 0 CHECK (CK IN (0, -1)),
    Cloretos YESNO NOT NULL DEFAULT 0 CHECK (Cloretos IN (0, -1)),
    Cobalto YESNO NOT NULL DEFAULT 0 CHECK (Cobalto IN (0, -1)),
    ColesterolTotal YESNO NOT NULL DEFAULT 0 CHECK (ColesterolTotal IN (0, -1)),
    Creatinina YESNO NOT NULL DEFAULT 0 CHECK (Creatinina IN (0, -1)),
    DesidrogenaseLatica YESNO NOT NULL DEFAULT 0 CHECK (DesidrogenaseLatica IN (0, -1)),
    EletroforeseDeProteinas YESNO NOT NULL DEFAULT 0 CHECK (EletroforeseDeProteinas IN (0, -1)),
    Fenitoina YESNO NOT NULL DEFAULT 0 CHECK (Fenitoina IN (0, -1)),
    FerroSerico YESNO NOT NULL DEFAULT 0 CHECK (FerroSerico IN (0, -1)),
    Fibrinogenio YESNO NOT NULL DEFAULT 0 CHECK (Fibrinogenio IN (0, -1)),
    FosfataseAcida YESNO NOT NULL DEFAULT 0 CHECK (FosfataseAcida IN (0, -1)),
    FosfataseAcidaProstatica YESNO NOT NULL DEFAULT 0 CHECK (FosfataseAcidaProstatica IN (0, -1)),
    FosfataseAlcalina YESNO NOT NULL DEFAULT 0 CHECK (FosfataseAlcalina IN (0, -1)),
    Fosforo YESNO NOT NULL DEFAULT 0 CHECK (Fosforo IN (0, -1)),
    Frutosamina YESNO NOT NULL DEFAULT 0 CHECK (Frutosamina IN (0, -1)),
    GGT YESNO NOT NULL DEFAULT 0 CHECK (GGT IN (0, -1)),
    Glicose YESNO NOT NULL DEFAULT 0 CHECK (Glicose IN (0, -1)),
    LDH YESNO NOT NULL DEFAULT 0 CHECK (LDH IN (0, -1)),
    Lipase YESNO NOT NULL DEFAULT 0 CHECK (Lipase IN (0, -1)),
    LipidiosTotais YESNO NOT NULL DEFAULT 0 CHECK (LipidiosTotais IN (0, -1)),
    Litio YESNO NOT NULL DEFAULT 0 CHECK (Litio IN (0, -1)),
    Magnesio YESNO NOT NULL DEFAULT 0 CHECK (Magnesio IN (0, -1)),
    Mercurio YESNO NOT NULL DEFAULT 0 CHECK (Mercurio IN (0, -1)),
    Potassio YESNO NOT NULL DEFAULT 0 CHECK (Potassio IN (0, -1)),
    ProteinasTotais YESNO NOT NULL DEFAULT 0 CHECK (ProteinasTotais IN (0, -1)),
    Sodio YESNO NOT NULL DEFAULT 0 CHECK (Sodio IN (0, -1)),
    Triglicerideos YESNO NOT NULL DEFAULT 0 CHECK (Triglicerideos IN (0, -1)),
    Ureia YESNO NOT NULL DEFAULT 0 CHECK (Ureia IN (0, -1)),
    Coprocultura YESNO NOT NULL DEFAULT 0 CHECK (Coprocultura IN (0, -1)),
    CulturaDeDermatofitos YESNO NOT NULL DEFAULT 0 CHECK (CulturaDeDermatofitos IN (0, -1)),
    CulturaDeFungos YESNO NOT NULL DEFAULT 0 CHECK (CulturaDeFungos IN (0, -1)),
    CulturaEAntibiogramaAerobios YESNO NOT NULL DEFAULT 0 CHECK (CulturaEAntibiogramaAerobios IN (0, -1)),
    CulturaEAntibiogramaAnaerobios YESNO NOT NULL DEFAULT 0 CHECK (CulturaEAntibiogramaAnaerobios IN (0, -1)),
    CulturaEAntibiogramaFezes YESNO NOT NULL DEFAULT 0 CHECK (CulturaEAntibiogramaFezes IN (0, -1)),
    CulturaEAntibiogramaOtologico YESNO NOT NULL DEFAULT 0 CHECK (CulturaEAntibiogramaOtologico IN (0, -1)),
    CulturaEAntibiogramaUrina YESNO NOT NULL DEFAULT 0 CHECK (CulturaEAntibiogramaUrina IN (0, -1)),
    GramMicroscopia YESNO NOT NULL DEFAULT 0 CHECK (GramMicroscopia IN (0, -1)),
    Hemocultura YESNO NOT NULL DEFAULT 0 CHECK (Hemocultura IN (0, -1)),
    MicologicoDireto YESNO NOT NULL DEFAULT 0 CHECK (MicologicoDireto IN (0, -1)),
    PesquisaDeCriptococose YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeCriptococose IN (0, -1)),
    PesquisaDeEsporotricose YESNO NOT NULL DEFAULT 0 CHECK (PesquisaDeEsporotricose IN (0, -1)),
    RaspadoDePele YESNO NOT NULL DEFAULT 0 CHECK (RaspadoDePele IN (0, -1)),
    Urocultura YESNO NOT NULL DEFAULT 0 CHECK (Urocultura IN (0, -1)),
    Biopsia YESNO NOT NULL DEFAULT 0 CHECK (Biopsia IN (0, -1)),
    AnaliseDeCalculoUrinario YESNO NOT NULL DEFAULT 0 CHECK (AnaliseDeCalculoUrinario IN (0, -1)),
    BacterioscopiaGram YESNO NOT NULL DEFAULT 0 CHECK (BacterioscopiaGram IN (0, -1)),
    CreatininaUrinaria YESNO NOT NULL DEFAULT 0 CHECK (CreatininaUrinaria IN (0, -1)),
    EAS YESNO NOT NULL DEFAULT 0 CHECK (EAS IN (0, -1)),
    EASRelacaoProteina YESNO NOT NULL DEFAULT 0 CHECK (EASRelacaoProteina IN (0, -1)),
    RelacaoProteina YESNO NOT NULL DEFAULT 0 CHECK (RelacaoProteina IN (0, -1)),
    AnaliseDoLiquidoCavitario YESNO NOT NULL DEFAULT 0 CHECK (AnaliseDoLiquidoCavitario IN (0, -1)),
    CitologiaDaMedulaOssea YESNO NOT NULL DEFAULT 0 CHECK (CitologiaDaMedulaOssea IN (0, -1)),
    CitologiaOtologica YESNO NOT NULL DEFAULT 0 CHECK (CitologiaOtologica IN (0, -1)),
    CitologiaVaginal YESNO NOT NULL DEFAULT 0 CHECK (CitologiaVaginal IN (0, -1)),
    ExameCitologico YESNO NOT NULL DEFAULT 0 CHECK (ExameCitologico IN (0, -1)),
    ExameHistopatologicoCadeiaMamaria YESNO NOT NULL DEFAULT 0 CHECK (ExameHistopatologicoCadeiaMamaria IN (0, -1)),
    ExameHistopatologicoFragmentoOrgao YESNO NOT NULL DEFAULT 0 CHECK (ExameHistopatologicoFragmentoOrgao IN (0, -1)),
    ImunoHistoquimica YESNO NOT NULL DEFAULT 0 CHECK (ImunoHistoquimica IN (0, -1)),
    LiquidoAbdominal YESNO NOT NULL DEFAULT 0 CHECK (LiquidoAbdominal IN (0, -1)),
    LiquidoAscitico YESNO NOT NULL DEFAULT 0 CHECK (LiquidoAscitico IN (0, -1)),
    LiquidoCefaloRaquitico YESNO NOT NULL DEFAULT 0 CHECK (LiquidoCefaloRaquitico IN (0, -1)),
    AnticorpoAntiNucleo YESNO NOT NULL DEFAULT 0 CHECK (AnticorpoAntiNucleo IN (0, -1)),
    Brucelose YESNO NOT NULL DEFAULT 0 CHECK (Brucelose IN (0, -1)),
    CinomoseElisa YESNO NOT NULL DEFAULT 0 CHECK (CinomoseElisa IN (0, -1)),
    CinomoseIgG YESNO NOT NULL DEFAULT 0 CHECK (CinomoseIgG IN (0, -1)),
    ClamidioseIFI YESNO NOT NULL DEFAULT 0 CHECK (ClamidioseIFI IN (0, -1)),
    CoombsDireto YESNO NOT NULL DEFAULT 0 CHECK (CoombsDireto IN (0, -1)),
    Criptococose YESNO NOT NULL DEFAULT 0 CHECK (Criptococose IN (0, -1)),
    DeteccaoDeAntigenoDoVirusDaCinomoseCanina YESNO NOT NULL DEFAULT 0 CHECK (DeteccaoDeAntigenoDoVirusDaCinomoseCanina IN (0, -1)),
    DirofilarioseElisa YESNO NOT NULL DEFAULT 0 CHECK (DirofilarioseElisa IN (0, -1)),
    DoencaDeVonWillebrandt YESNO NOT NULL DEFAULT 0 CHECK (DoencaDeVonWillebrandt IN (0, -1)),
    ErhlichioseElisa YESNO NOT NULL DEFAULT 0 CHECK (ErhlichioseElisa IN (0, -1)),
    FatorRematoideCanino YESNO NOT NULL DEFAULT 0 CHECK (FatorRematoideCanino IN (0, -1)),
    FIVFELVElisa YESNO NOT NULL DEFAULT 0 CHECK (FIVFELVElisa IN (0, -1)),
    HepatiteInfecciosaCaninaSN YESNO NOT NULL DEFAULT 0 CHECK (HepatiteInfecciosaCaninaSN IN (0, -1)),
    HerpesVirusFelinoSN YESNO NOT NULL DEFAULT 0 CHECK (HerpesVirusFelinoSN IN (0, -1)),
    ImunodeficienciaFelinaFAIDS YESNO NOT NULL DEFAULT 0 CHECK (ImunodeficienciaFelinaFAIDS IN (0, -1)),
    LeishmanioseElisa YESNO NOT NULL DEFAULT 0 CHECK (LeishmanioseElisa IN (0, -1)),
    LeishmanioseIF YESNO NOT NULL DEFAULT 0 CHECK (LeishmanioseIF IN (0, -1)),
    LeptospiroseSoroaglutinacao YESNO NOT NULL DEFAULT 0 CHECK (LeptospiroseSoroaglutinacao IN (0, -1)),
    LeucemiaFelinaElisa YESNO NOT NULL DEFAULT 0 CHECK (LeucemiaFelinaElisa IN (0, -1)),
    NeosporaCaninoSN YESNO NOT NULL DEFAULT 0 CHECK (NeosporaCaninoSN IN (0, -1)),
    PanleucopeniaViralFelinaElisa YESNO NOT NULL DEFAULT 0 CHECK (PanleucopeniaViralFelinaElisa IN (0, -1)),
    ParvoviroseElisa YESNO NOT NULL DEFAULT 0 CHECK (ParvoviroseElisa IN (0, -1)),
    PerfilRespiratorioFelino YESNO NOT NULL DEFAULT 0 CHECK (PerfilRespiratorioFelino IN (0, -1)),
    TesteElisaTriploDilofiralioseEhrlichioseLyme YESNO NOT NULL DEFAULT 0 CHECK (TesteElisaTriploDilofiralioseEhrlichioseLyme IN (0, -1)),
    TLI YESNO NOT NULL DEFAULT 0 CHECK (TLI IN (0, -1)),
    ToxoplasmoseHA YESNO NOT NULL DEFAULT 0 CHECK (ToxoplasmoseHA IN (0, -1)),
    ToxoplasmoseIFI YESNO NOT NULL DEFAULT 0 CHECK (ToxoplasmoseIFI IN (0, -1)),
    ToxoplasmoseIgG YESNO NOT NULL DEFAULT 0 CHECK (ToxoplasmoseIgG IN (0, -1)),
    AdenovirusTipo1Canino YESNO NOT NULL DEFAULT 0 CHECK (AdenovirusTipo1Canino IN (0, -1)),
    AdenovirusTipo2Canino YESNO NOT NULL DEFAULT 0 CHECK (AdenovirusTipo2Canino IN (0, -1)),
    BabesiaSP YESNO NOT NULL DEFAULT 0 CHECK (BabesiaSP IN (0, -1)),
    BordetellaBrochiseptica YESNO NOT NULL DEFAULT 0 CHECK (BordetellaBrochiseptica IN (0, -1)),
    BorreliaBurgdoferi YESNO NOT NULL DEFAULT 0 CHECK (BorreliaBurgdoferi IN (0, -1)),
    BrucellaSP YESNO NOT NULL DEFAULT 0 CHECK (BrucellaSP IN (0, -1)),
    CalcivirusFelinoFCV YESNO NOT NULL DEFAULT 0 CHECK (CalcivirusFelinoFCV IN (0, -1)),
    ChlamydiaPsittaci YESNO NOT NULL DEFAULT 0 CHECK (ChlamydiaPsittaci IN (0, -1)),
    CinomoseCDV YESNO NOT NULL DEFAULT 0 CHECK (CinomoseCDV IN (0, -1)),
    ClostridiumPerfringensTipoE YESNO NOT NULL DEFAULT 0 CHECK (ClostridiumPerfringensTipoE IN (0, -1)),
    CoronavirusCaninoCVV YESNO NOT NULL DEFAULT 0 CHECK (CoronavirusCaninoCVV IN (0, -1)),
    DilofilariaImmitis YESNO NOT NULL DEFAULT 0 CHECK (DilofilariaImmitis IN (0, -1)),
    EhrlichiaCanis YESNO NOT NULL DEFAULT 0 CHECK (EhrlichiaCanis IN (0, -1)),
    EhrlichiaPlatys YESNO NOT NULL DEFAULT 0 CHECK (EhrlichiaPlatys IN (0, -1)),
    HelicobacterPylori YESNO NOT NULL DEFAULT 0 CHECK (HelicobacterPylori IN (0, -1)),
    HerpesvirusCaninoCHV YESNO NOT NULL DEFAULT 0 CHECK (HerpesvirusCaninoCHV IN (0, -1)),
    HerpesvirusFelino1 YESNO NOT NULL DEFAULT 0 CHECK (HerpesvirusFelino1 IN (0, -1)),
    LeishmaniaSP YESNO NOT NULL DEFAULT 0 CHECK (LeishmaniaSP IN (0, -1)),
    LepstospiraInterrogans YESNO NOT NULL DEFAULT 0 CHECK (LepstospiraInterrogans IN (0, -1)),
    MycobacteriumSP YESNO NOT NULL DEFAULT 0 CHECK (MycobacteriumSP IN (0, -1)),
    MycoplasmaHemofelisHaemobartonellaFelis YESNO NOT NULL DEFAULT 0 CHECK (MycoplasmaHemofelisHaemobartonellaFelis IN (0, -1)),
    PanleucopeniaFelina YESNO NOT NULL DEFAULT 0 CHECK (PanleucopeniaFelina IN (0, -1)),
    PapilomavirusCanino YESNO NOT NULL DEFAULT 0 CHECK (PapilomavirusCanino IN (0, -1)),
    PapilomavirusFelinoCutaneoFdPV1 YESNO NOT NULL DEFAULT 0 CHECK (PapilomavirusFelinoCutaneoFdPV1 IN (0, -1)),
    ParvovirusCaninoCPV2Enterico YESNO NOT NULL DEFAULT 0 CHECK (ParvovirusCaninoCPV2Enterico IN (0, -1)),
    PeritoniteInfecciosaFelinaFCoV YESNO NOT NULL DEFAULT 0 CHECK (PeritoniteInfecciosaFelinaFCoV IN (0, -1)),
    SalmonellaSP YESNO NOT NULL DEFAULT 0 CHECK (SalmonellaSP IN (0, -1)),
    ToxoplasmaGondii YESNO NOT NULL DEFAULT 0 CHECK (ToxoplasmaGondii IN (0, -1)),
    VirusDaImunodeficienciaFelinaFIV YESNO NOT NULL DEFAULT 0 CHECK (VirusDaImunodeficienciaFelinaFIV IN (0, -1)),
    VirusDaLeucemiaFelinaFeLV YESNO NOT NULL DEFAULT 0 CHECK (VirusDaLeucemiaFelinaFeLV IN (0, -1)),
    RaioX YESNO NOT NULL DEFAULT 0 CHECK (RaioX IN (0, -1)),
    Ultrassom YESNO NOT NULL DEFAULT 0 CHECK (Ultrassom IN (0, -1)),
    ImagemObservacao LONGTEXT,
    OutrosExames LONGTEXT,
    ResultadosDeExames LONGTEXT,
    Observacao LONGTEXT,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX Exames_FichaClinica ON Exames (NumeroDaFichaClinica);


-- ---------------------------------------------------------------------------------------------
-- Postings: services done and products reserved for a clinical record, and stock movements
-- ---------------------------------------------------------------------------------------------

-- TipoDeLancamento '1'. NumeroDaVenda and NumeroDaVendaCancelada are filled by the sales side.

CREATE TABLE ServicosEfetuados (
    NumeroDeLancamento INTEGER PRIMARY KEY AUTOINCREMENT,
    DataDeLancamento DATETIME,
    NumeroDaFichaClinica INTEGER,
    CodigoDoFuncionario INTEGER,
    CodigoDoCliente INTEGER,
    CodigoDoAnimal INTEGER,
    NumeroDoTipoDeServico INTEGER,
    CodigoDoServico INTEGER,
    Observacao VARCHAR(255),
    Quantidade CURRENCY,
    ValorUnitario CURRENCY,
    ValorTotal CURRENCY,
    DescontoEmPercentual CURRENCY,
    DescontoEmValor CURRENCY,
    ValorLiquido CURRENCY,
    Custo CURRENCY,
    FuncionarioComissionado YESNO NOT NULL DEFAULT 0 CHECK (FuncionarioComissionado IN (0, -1)),
    PercentualDeComissaoDoFuncionario CURRENCY,
    ValorDaComissaoDoFuncionario CURRENCY,
    NumeroDaVenda INTEGER NOT NULL DEFAULT 0,
    NumeroDaVendaCancelada INTEGER NOT NULL DEFAULT 0,
    TipoDeLancamento VARCHAR(5),
    TipoDeVenda VARCHAR(5),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX ServicosEfetuados_FichaClinica ON ServicosEfetuados (NumeroDaFichaClinica);

-- A product reserved before sale (TipoDeLancamento '2'); its quantity has left the stock.

CREATE TABLE ProdutosReservados (
    NumeroDeLancamento INTEGER PRIMARY KEY AUTOINCREMENT,
    DataDeLancamento DATETIME,
    CodigoDoFuncionario INTEGER,
    CodigoDoCliente INTEGER,
    CodigoInternoDoProduto INTEGER,
    Observacao VARCHAR(255),
    Quantidade CURRENCY,
    ValorUnitario CURRENCY,
    ValorTotal CURRENCY,
    DescontoEmPercentual CURRENCY,
    DescontoEmValor CURRENCY,
    ValorLiquido CURRENCY,
    Custo CURRENCY,
    FuncionarioComissionado YESNO NOT NULL DEFAULT 0 CHECK (FuncionarioComissionado IN (0, -1)),
    PercentualDeComissaoDoFuncionario CURRENCY,
    ValorDaComissaoDoFuncionario CURRENCY,
    NumeroDaVenda INTEGER NOT NULL DEFAULT 0,
    NumeroDaVendaCancelada INTEGER NOT NULL DEFAULT 0,
    NumeroDaFichaClinica INTEGER,
    TipoDeLancamento VARCHAR(5),
    TipoDeVenda VARCHAR(5),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX ProdutosReservados_FichaClinica ON ProdutosReservados (NumeroDaFichaClinica);

-- One row per stock movement. TipoDeLancamento: 3 taken out by a reservation, 5 given back or
-- imported from a budget. Situacao 1 is valid.

CREATE TABLE HistoricoDeProdutos (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    DataDoLancamento DATETIME,
    HoraDoLancamento DATETIME,
    TipoDeLancamento SMALLINT,
    CodigoInternoDoProduto INTEGER,
    SaldoAnterior CURRENCY,
    QuantidadeMovimentada CURRENCY,
    SaldoAtual CURRENCY,
    Observacao VARCHAR(255),
    Situacao SMALLINT,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50)
);

CREATE INDEX HistoricoDeProdutos_Produto ON HistoricoDeProdutos (CodigoInternoDoProduto);


-- ---------------------------------------------------------------------------------------------
-- Prescriptions, medications and vaccinations
-- ---------------------------------------------------------------------------------------------

CREATE TABLE Receitas (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    Data DATETIME,
    NumeroDaFichaClinica INTEGER,
    CodigoDoCliente INTEGER,
    CodigoDoAnimal INTEGER,
    ReceitaControlada YESNO NOT NULL DEFAULT 0 CHECK (ReceitaControlada IN (0, -1)),
    Prescricao LONGTEXT,
    CodigoDoVeterinario INTEGER,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX Receitas_FichaClinica ON Receitas (NumeroDaFichaClinica);

-- The business objects address a medication by medicine, clinical record, client, animal and
-- insertion stamp; Numero is the row's own key, for the rows that refer to it.

CREATE TABLE Medicacoes (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    CodigoDoMedicamento INTEGER,
    Quantidade VARCHAR(20),
    Unidade VARCHAR(20),
    Via VARCHAR(30),
    Data DATETIME,
    Hora DATETIME,
    Observacao LONGTEXT,
    NumeroDaFichaClinica INTEGER,
    CodigoDoVeterinario INTEGER,
    CodigoDoCliente INTEGER,
    CodigoDoAnimal INTEGER,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX Medicacoes_Chave ON Medicacoes (CodigoDoMedicamento, NumeroDaFichaClinica, CodigoDoCliente, CodigoDoAnimal, DataEHoraDaInclusao);

-- A dose applied (VacinaAplicada) or pending; a pending dose's DataDaAplicacao is its due date.

CREATE TABLE Vacinacoes (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    DataDaAplicacao DATETIME,
    NumeroDaFichaClinica INTEGER,
    CodigoDoCliente INTEGER,
    CodigoDoAnimal INTEGER,
    CodigoDaVacina INTEGER,
    NumeroDaDose SMALLINT,
    NumeroDeDoses SMALLINT,
    IntervaloEntreAsDoses SMALLINT,
    CodigoDoVeterinario INTEGER,
    VacinaAplicada YESNO NOT NULL DEFAULT 0 CHECK (VacinaAplicada IN (0, -1)),
    Partida VARCHAR(30),
    Observacao VARCHAR(255),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX Vacinacoes_Animal ON Vacinacoes (CodigoDoCliente, CodigoDoAnimal);

CREATE INDEX Vacinacoes_FichaClinica ON Vacinacoes (NumeroDaFichaClinica);


-- ---------------------------------------------------------------------------------------------
-- Referring tables. Their foreign keys refuse the deletion of a row still referred to.
-- ---------------------------------------------------------------------------------------------

-- Results the laboratory sent back for an exam request.

CREATE TABLE ResultadosDeExames (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    NumeroDoExame INTEGER NOT NULL REFERENCES Exames (Numero) ON DELETE RESTRICT ON UPDATE RESTRICT,
    DataDoResultado DATETIME,
    NomeDoExame VARCHAR(100),
    Resultado LONGTEXT,
    ValoresDeReferencia VARCHAR(255),
    ResponsavelTecnico VARCHAR(100),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX ResultadosDeExames_Exame ON ResultadosDeExames (NumeroDoExame);

CREATE TABLE Vendas (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    Data DATETIME,
    CodigoDoCliente INTEGER,
    CodigoDoFuncionario INTEGER,
    ValorTotal CURRENCY,
    ValorDoDesconto CURRENCY,
    ValorLiquido CURRENCY,
    FormaDePagamento VARCHAR(30),
    Cancelada YESNO NOT NULL DEFAULT 0 CHECK (Cancelada IN (0, -1)),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

-- A sale item bills one posting: a service done or a product reserved.

CREATE TABLE ItensDeVendas (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    NumeroDaVenda INTEGER NOT NULL,
    NumeroDoServicoEfetuado INTEGER REFERENCES ServicosEfetuados (NumeroDeLancamento) ON DELETE RESTRICT ON UPDATE RESTRICT,
    NumeroDoProdutoReservado INTEGER REFERENCES ProdutosReservados (NumeroDeLancamento) ON DELETE RESTRICT ON UPDATE RESTRICT,
    Descricao VARCHAR(100),
    Quantidade CURRENCY,
    ValorUnitario CURRENCY,
    ValorTotal CURRENCY,
    DescontoEmValor CURRENCY,
    ValorLiquido CURRENCY,
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50),
    CHECK ((NumeroDoServicoEfetuado IS NULL) <> (NumeroDoProdutoReservado IS NULL))
);

CREATE INDEX ItensDeVendas_Venda ON ItensDeVendas (NumeroDaVenda);

CREATE INDEX ItensDeVendas_ServicoEfetuado ON ItensDeVendas (NumeroDoServicoEfetuado);

CREATE INDEX ItensDeVendas_ProdutoReservado ON ItensDeVendas (NumeroDoProdutoReservado);

-- A pharmacy's dispensing of a prescription (controlled drugs are retained there).

CREATE TABLE DispensacoesDeReceitas (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    NumeroDaReceita INTEGER NOT NULL REFERENCES Receitas (Numero) ON DELETE RESTRICT ON UPDATE RESTRICT,
    DataDaDispensacao DATETIME,
    Farmacia VARCHAR(100),
    Farmaceutico VARCHAR(100),
    Observacao VARCHAR(255),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX DispensacoesDeReceitas_Receita ON DispensacoesDeReceitas (NumeroDaReceita);

-- The nursing team's check of a medication given during hospitalisation.

CREATE TABLE ChecagensDeMedicacoes (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    NumeroDaMedicacao INTEGER NOT NULL REFERENCES Medicacoes (Numero) ON DELETE RESTRICT ON UPDATE RESTRICT,
    DataEHoraDaChecagem DATETIME,
    CodigoDoFuncionario INTEGER,
    Observacao VARCHAR(255),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX ChecagensDeMedicacoes_Medicacao ON ChecagensDeMedicacoes (NumeroDaMedicacao);

-- A vaccination certificate issued for an applied dose.

CREATE TABLE AtestadosDeVacinacao (
    Numero INTEGER PRIMARY KEY AUTOINCREMENT,
    CodigoDaVacinacao INTEGER NOT NULL REFERENCES Vacinacoes (Codigo) ON DELETE RESTRICT ON UPDATE RESTRICT,
    DataDeEmissao DATETIME,
    CodigoDoVeterinario INTEGER,
    Finalidade VARCHAR(100),
    Observacao VARCHAR(255),
    DataEHoraDaInclusao DATETIME,
    UsuarioDaInclusao VARCHAR(50),
    DataEHoraDaAlteracao DATETIME,
    UsuarioDaAlteracao VARCHAR(50)
);

CREATE INDEX AtestadosDeVacinacao_Vacinacao ON AtestadosDeVacinacao (CodigoDaVacinacao);
