-- Demo practice data set: a small veterinary practice with a few months of history.
--
-- Conventions: dates as ISO text 'YYYY-MM-DD HH:MM:SS', Yes/No as -1/0, money and quantities as
-- plain decimals. Codes are explicit so that tests and the guided tour can refer to them; the
-- AUTOINCREMENT sequences continue after the highest code of each table.
--
-- Codes worth knowing:
--   veterinarian 3 (Ana Paula Martins, user 'ana'); client 95 (Maria Aparecida Souza) with the dog
--   140 (Thor) and the cat 141 (Mia); clinical records 798, 805 and 812 of Thor (812 the latest),
--   809 of Mia; laboratory 2; budget 7 (Thor, three items); product 5 (meloxicam).
--   Rows referred to by other rows (their deletion is refused): exam request 55, service posting
--   201, product posting 401, prescription 62, medication 1, vaccination 74.
--   Free to delete: exam request 58, service posting 203, product posting 403, prescription 63,
--   medication 2, vaccination 73.
--   Vaccinations of Thor: 73 pending and overdue, 75 pending and due in the future.

-- ---------------------------------------------------------------------------------------------
-- Species and breeds
-- ---------------------------------------------------------------------------------------------
INSERT INTO EspeciesDeAnimais (Codigo, Nome, Situacao) VALUES
    (1, 'Canina', 1),
    (2, 'Felina', 1),
    (3, 'Ave', 1),
    (4, 'Roedor', 1),
    (5, 'Réptil', 2);

INSERT INTO RacasDeAnimais (Codigo, Nome, CodigoDaEspecieDeAnimal, Situacao) VALUES
    (1, 'Sem raça definida', 1, 1),
    (2, 'Labrador Retriever', 1, 1),
    (3, 'Poodle', 1, 1),
    (4, 'Shih Tzu', 1, 1),
    (5, 'Golden Retriever', 1, 1),
    (6, 'Yorkshire Terrier', 1, 1),
    (7, 'Bulldog Francês', 1, 1),
    (8, 'Pastor Alemão', 1, 1),
    (11, 'Sem raça definida', 2, 1),
    (12, 'Siamês', 2, 1),
    (13, 'Persa', 2, 1),
    (14, 'Maine Coon', 2, 1),
    (21, 'Calopsita', 3, 1),
    (22, 'Periquito-australiano', 3, 1),
    (31, 'Hamster sírio', 4, 1),
    (32, 'Porquinho-da-índia', 4, 1);

-- ---------------------------------------------------------------------------------------------
-- Clients. Channel types starting with 'Email' are e-mail addresses, the others telephones.
-- ---------------------------------------------------------------------------------------------
INSERT INTO Clientes (Codigo, TipoDeCliente, ApelidoOuNomeFantasia, NomeOuRazaoSocial, CPFCNPJ,
                      RGOuInscricaoEstadual, DataDeNascimento, TipoDeLogradouro, Logradouro, Numero,
                      Complemento, Bairro, CEP, Cidade, UF,
                      TipoDeCanalDeComunicacao1, CanalDeComunicacao1,
                      TipoDeCanalDeComunicacao2, CanalDeComunicacao2,
                      TipoDeCanalDeComunicacao3, CanalDeComunicacao3,
                      TipoDeCanalDeComunicacao4, CanalDeComunicacao4,
                      Observacao, Situacao, DataEHoraDaInclusao, UsuarioDaInclusao,
                      DataEHoraDaAlteracao, UsuarioDaAlteracao) VALUES
    (12, 'PF', 'Joãozinho', 'João Batista Ferreira', '52998224725', '23.456.789-0', '1978-04-02 00:00:00',
     'Rua', 'das Acácias', '210', 'Apto 52', 'Jardim Botânico', '13087210', 'Campinas', 'SP',
     'Celular', '(19) 98123-4567', 'Email', 'joao.ferreira@exemplo.com.br', '', '', '', '',
     NULL, 1, '2025-03-10 09:12:44', 'recepcao', NULL, NULL),
    (37, 'PF', 'Bia', 'Beatriz Costa Lima', '39053344705', NULL, '1990-11-23 00:00:00',
     'Avenida', 'Brasil', '1500', '', 'Centro', '13010000', 'Campinas', 'SP',
     'Residencial', '(19) 3232-1100', 'Celular', '(19) 99876-5432', 'Email pessoal', 'bia.lima@exemplo.com.br',
     'Email comercial', 'beatriz@escritorio.exemplo.com.br',
     'Prefere contato por mensagem.', 1, '2025-05-20 15:40:02', 'recepcao', '2026-01-08 11:05:31', 'ana'),
    (58, NULL, 'Dona Lurdes', 'Maria de Lourdes Pereira', NULL, NULL, NULL,
     NULL, 'Sítio Recanto Feliz', NULL, NULL, NULL, NULL, 'Valinhos', 'SP',
     'Celular', '(19) 99700-1234', NULL, NULL, NULL, NULL, NULL, NULL,
     NULL, 1, '2025-07-01 08:30:00', 'recepcao', NULL, NULL),
    (95, 'PF', 'Cida', 'Maria Aparecida Souza', '12345678909', '12.345.678-9', '1985-06-17 00:00:00',
     'Rua', 'Barão de Jaguara', '1234', '', 'Centro', '13015001', 'Campinas', 'SP',
     'Celular', '(19) 99123-4567', 'Email', 'cida.souza@exemplo.com.br', 'Residencial', '(19) 3241-5566',
     NULL, NULL,
     'Cliente desde 2025.', 1, '2025-08-14 08:55:10', 'recepcao', '2026-11-20 09:02:37', 'ana'),
    (101, 'PJ', 'Canil Vale Verde', 'Canil Vale Verde Criação de Cães Ltda', '11222333000181', '244.556.778.110',
     NULL, 'Estrada', 'Municipal CAM-010', '4500', 'Km 3', 'Joaquim Egídio', '13108000', 'Campinas', 'SP',
     'Comercial', '(19) 3298-7700', 'Email financeiro', 'financeiro@valeverde.exemplo.com.br',
     'WhatsApp', '(19) 99555-0101', 'Email', 'contato@valeverde.exemplo.com.br',
     'Faturamento mensal.', 1, '2025-09-02 14:20:00', 'ana', NULL, NULL),
    (102, 'PF', 'Tati', 'Tatiana Ramos', '11144477735', NULL, '2001-02-28 00:00:00',
     'Rua', 'Coronel Quirino', '88', 'Casa 2', 'Cambuí', '13025000', 'Campinas', 'SP',
     'Celular', '(19) 98888-7777', NULL, NULL, NULL, NULL, NULL, NULL,
     NULL, 2, '2025-10-11 17:45:09', 'recepcao', NULL, NULL);

-- ---------------------------------------------------------------------------------------------
-- Animals. Animal 175 has no breed: it is left out of the printouts that join the breed.
-- ---------------------------------------------------------------------------------------------
INSERT INTO Animais (Codigo, CodigoDoCliente, Nome, CodigoDaEspecie, CodigoDaRaca, Sexo, Porte,
                     DataDeNascimento, Cor, RGA, Microchip, Pedigree, Castrado, Obito, Observacao,
                     Situacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (120, 12, 'Luna', 1, 3, 'F', 'Pequeno', '2018-09-05 00:00:00', 'Branca', 'RGA-0120',
     '985112000000120', 0, -1, 0, NULL, 1, '2025-03-10 09:15:00', 'recepcao'),
    (130, 37, 'Bidu', 1, 1, 'M', 'Médio', '2020-01-15 00:00:00', 'Preto e branco', NULL,
     NULL, 0, 0, 0, 'Muito agitado na contenção.', 1, '2025-05-20 15:45:00', 'recepcao'),
    (135, 58, 'Pipoca', 2, 11, 'F', 'Pequeno', '2022-07-01 00:00:00', 'Tricolor', NULL,
     NULL, 0, -1, 0, NULL, 1, '2025-07-01 08:35:00', 'recepcao'),
    (140, 95, 'Thor', 1, 2, 'M', 'Grande', '2019-03-10 00:00:00', 'Caramelo', 'RGA-0140',
     '985112003456789', -1, 0, 0, 'Não tolera contenção prolongada.', 1,
     '2025-08-14 09:00:00', 'recepcao'),
    (141, 95, 'Mia', 2, 12, 'F', 'Pequeno', '2023-02-20 00:00:00', 'Seal point', NULL,
     '985112003456790', 0, -1, 0, NULL, 1, '2025-10-30 10:10:00', 'ana'),
    (150, 101, 'Rex', 1, 8, 'M', 'Grande', '2021-05-12 00:00:00', 'Preto e castanho', 'RGA-0150',
     '985112007777150', -1, 0, 0, 'Reprodutor do canil.', 1, '2025-09-02 14:30:00', 'ana'),
    (151, 101, 'Duquesa', 1, 8, 'F', 'Grande', '2021-08-30 00:00:00', 'Preto e castanho', 'RGA-0151',
     '985112007777151', -1, 0, 0, NULL, 1, '2025-09-02 14:32:00', 'ana'),
    (175, 37, 'Nina', 3, NULL, 'F', 'Pequeno', '2024-01-01 00:00:00', 'Cinza', NULL,
     NULL, 0, 0, 0, 'Calopsita; raça não informada.', 1, '2025-11-04 16:00:00', 'recepcao');

-- ---------------------------------------------------------------------------------------------
-- Employees with their commission settings, and users with their permissions
-- ---------------------------------------------------------------------------------------------
INSERT INTO Funcionarios (Codigo, Nome, Apelido, Funcao, CRMV, CPF,
                          TipoDeCanalDeComunicacao1, CanalDeComunicacao1,
                          TipoDeCanalDeComunicacao2, CanalDeComunicacao2,
                          TipoDeCanalDeComunicacao3, CanalDeComunicacao3,
                          TipoDeCanalDeComunicacao4, CanalDeComunicacao4,
                          Comissionado, ComissaoUnica, PercentualDeComissaoUnica,
                          PercentualDeComissaoEmClinicos, PercentualDeComissaoEmCirurgiaSimples,
                          PercentualDeComissaoEmCirurgiaMedia, PercentualDeComissaoEmCirurgiaComplexa,
                          PercentualDeComissaoEmBanhosTosasEEsteticas, PercentualDeComissaoEmHospedagens,
                          PercentualDeComissaoEmAdestramentos, PercentualDeComissaoEmOutros,
                          Situacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (1, 'Carlos Eduardo Lima', 'Dr. Carlos', 'Médico veterinário', 'CRMV-SP 08765', '27100000406',
     'Celular', '(19) 99111-2222', 'Email', 'carlos@clinica.exemplo.com.br', NULL, NULL, NULL, NULL,
     -1, -1, 10, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
     1, '2025-01-02 08:00:00', 'admin'),
    (2, 'Fernanda Rocha', 'Dra. Fernanda', 'Médica veterinária', 'CRMV-SP 10234', '06398415097',
     'Celular', '(19) 99333-4444', 'Email', 'fernanda@clinica.exemplo.com.br', NULL, NULL, NULL, NULL,
     -1, 0, NULL, 12, 15, 18, 20, NULL, NULL, NULL, 5,
     1, '2025-01-02 08:05:00', 'admin'),
    (3, 'Ana Paula Martins', 'Dra. Ana', 'Médica veterinária', 'CRMV-SP 12345', '35986424030',
     'Celular', '(19) 99555-6666', 'Email', 'ana.martins@clinica.exemplo.com.br',
     'Ramal', '21', NULL, NULL,
     -1, 0, NULL, 15, 20, 22.5, 25, 10, 5, 5, 7.5,
     1, '2025-01-02 08:10:00', 'admin'),
    (4, 'Juliana Alves', 'Ju', 'Tosadora', NULL, '73826464090',
     'Celular', '(19) 99777-8888', NULL, NULL, NULL, NULL, NULL, NULL,
     -1, 0, NULL, NULL, NULL, NULL, NULL, 30, 10, NULL, NULL,
     1, '2025-02-01 08:00:00', 'admin'),
    (5, 'Roberto Nunes', 'Beto', 'Recepcionista', NULL, '98765432100',
     'Ramal', '10', NULL, NULL, NULL, NULL, NULL, NULL,
     0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
     1, '2025-02-01 08:05:00', 'admin'),
    (6, 'Paulo Henrique Dias', 'Dr. Paulo', 'Médico veterinário', 'CRMV-SP 05432', '52998224725',
     'Celular', '(19) 99000-1111', NULL, NULL, NULL, NULL, NULL, NULL,
     -1, -1, 8, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
     2, '2025-01-02 08:15:00', 'admin');

-- 'ana' is an administrator; the others cover each combination of the two permissions.
INSERT INTO Usuarios (Codigo, NomeDeUsuario, NomeCompleto, CodigoDoFuncionario, Administrador,
                      PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa,
                      PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario,
                      Situacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (1, 'ana', 'Ana Paula Martins', 3, -1, -1, -1, 1, '2025-01-02 08:20:00', 'admin'),
    (2, 'fernanda', 'Fernanda Rocha', 2, 0, -1, 0, 1, '2025-01-02 08:21:00', 'ana'),
    (3, 'carlos', 'Carlos Eduardo Lima', 1, 0, 0, -1, 1, '2025-01-02 08:22:00', 'ana'),
    (4, 'recepcao', 'Roberto Nunes', 5, 0, 0, 0, 1, '2025-02-01 08:10:00', 'ana'),
    (5, 'ju', 'Juliana Alves', 4, 0, -1, -1, 1, '2025-02-01 08:11:00', 'ana');

-- ---------------------------------------------------------------------------------------------
-- Laboratories, medicines, vaccines
-- ---------------------------------------------------------------------------------------------
-- Laboratory 1 has no company name: its printed name is empty.
INSERT INTO Laboratorios (Codigo, NomeFantasia, RazaoSocial, CNPJ,
                          TipoDeCanalDeComunicacao1, CanalDeComunicacao1,
                          TipoDeCanalDeComunicacao2, CanalDeComunicacao2, Situacao) VALUES
    (1, 'Laboratório da clínica', NULL, NULL, 'Ramal', '30', NULL, NULL, 1),
    (2, 'VetLab', 'VetLab Análises Clínicas Veterinárias Ltda', '45997418000153',
     'Comercial', '(19) 3251-9000', 'Email', 'resultados@vetlab.exemplo.com.br', 1),
    (3, 'Imagem Pet', 'Imagem Pet Diagnóstico Veterinário S/S', '27865757000102',
     'Comercial', '(19) 3254-1212', 'Email', 'laudos@imagempet.exemplo.com.br', 1);

INSERT INTO Medicamentos (Codigo, Nome, PrincipioAtivo, Apresentacao, Controlado, Situacao) VALUES
    (1, 'Dipirona sódica', 'Dipirona', 'Solução injetável 500 mg/ml', 0, 1),
    (2, 'Meloxicam', 'Meloxicam', 'Solução injetável 0,2%', 0, 1),
    (3, 'Amoxicilina + clavulanato', 'Amoxicilina; clavulanato de potássio', 'Comprimido 250 mg', 0, 1),
    (4, 'Cloridrato de tramadol', 'Tramadol', 'Solução injetável 50 mg/ml', -1, 1),
    (5, 'Ondansetrona', 'Ondansetrona', 'Solução injetável 2 mg/ml', 0, 1),
    (6, 'Fenobarbital', 'Fenobarbital', 'Comprimido 100 mg', -1, 1),
    (7, 'Omeprazol', 'Omeprazol', 'Cápsula 10 mg', 0, 1),
    (8, 'Ceftriaxona', 'Ceftriaxona sódica', 'Pó para solução injetável 1 g', 0, 1),
    (9, 'Metronidazol', 'Metronidazol', 'Solução injetável 5 mg/ml', 0, 1),
    (10, 'Furosemida', 'Furosemida', 'Solução injetável 10 mg/ml', 0, 1);

INSERT INTO Vacinas (Codigo, Nome, Fabricante, NumeroDeDoses, IntervaloEntreAsDoses, Situacao) VALUES
    (1, 'Polivalente canina V10', 'Zoetis', 3, 21, 1),
    (2, 'Antirrábica', 'MSD Saúde Animal', 1, 365, 1),
    (3, 'Giárdia', 'Zoetis', 2, 21, 1),
    (4, 'Tosse dos canis (Bordetella)', 'Boehringer Ingelheim', 1, 365, 1),
    (5, 'Quádrupla felina V4', 'Zoetis', 2, 21, 1),
    (6, 'Quíntupla felina V5', 'Zoetis', 2, 21, 1),
    (7, 'Leishmaniose', 'Ceva', 3, 21, 1);

-- ---------------------------------------------------------------------------------------------
-- Services, product subgroups and products with stock
-- ---------------------------------------------------------------------------------------------
INSERT INTO TiposDeServicos (Numero, Nome, Situacao) VALUES
    (1, 'Clínicos', 1),
    (2, 'Cirurgia simples', 1),
    (3, 'Cirurgia média', 1),
    (4, 'Cirurgia complexa', 1),
    (5, 'Banhos, tosas e estéticas', 1),
    (6, 'Hospedagens', 1),
    (7, 'Adestramentos', 1),
    (99, 'Outros', 1);

INSERT INTO Servicos (Codigo, Nome, NumeroDoTipoDeServico, Valor, Custo, Situacao) VALUES
    (1, 'Consulta clínica', 1, 150, 0, 1),
    (2, 'Consulta de retorno', 1, 80, 0, 1),
    (3, 'Aplicação de medicamento', 1, 30, 5.5, 1),
    (4, 'Vacinação', 1, 40, 0, 1),
    (5, 'Internação (diária)', 1, 250, 60, 1),
    (6, 'Orquiectomia felina', 2, 350, 90, 1),
    (7, 'Orquiectomia canina', 3, 800, 180, 1),
    (8, 'Limpeza de tártaro', 3, 600, 120, 1),
    (9, 'Osteossíntese de fêmur', 4, 3500, 900, 1),
    (10, 'Banho e tosa porte grande', 5, 110, 25, 1),
    (11, 'Hospedagem (diária)', 6, 90, 30, 1),
    (12, 'Adestramento (sessão)', 7, 120, 0, 1),
    (13, 'Microchipagem', 99, 120, 45, 1);

-- Subgroup 6 is inactive: its products earn no commission.
INSERT INTO SubGruposDeProdutos (Codigo, Nome, PercentualDeComissao, Situacao) VALUES
    (1, 'Medicamentos', 5, 1),
    (2, 'Rações', 3, 1),
    (3, 'Acessórios', 8, 1),
    (4, 'Antiparasitários', 5, 1),
    (5, 'Higiene e beleza', 6, 1),
    (6, 'Descontinuados', 10, 2);

INSERT INTO Produtos (CodigoInterno, CodigoDeBarras, Nome, CodigoDoSubGrupo, Unidade, PrecoDeCusto,
                      PrecoDeVenda, SaldoEmEstoque, EstoqueMinimo, Situacao) VALUES
    (1, '7891000100103', 'Ração premium cães adultos 15 kg', 2, 'SC', 180, 259.9, 25, 5, 1),
    (2, '7896009401234', 'Antipulgas mastigável cães 20 a 40 kg', 4, 'UN', 145, 229.9, 12, 4, 1),
    (3, '7896009405678', 'Coleira antiparasitária cães', 4, 'UN', 95, 169.9, 30, 5, 1),
    (4, '7898049710012', 'Shampoo hipoalergênico 500 ml', 5, 'FR', 28.5, 54.9, 18, 3, 1),
    (5, '7897337705550', 'Meloxicam 2 mg comprimidos', 1, 'CX', 22, 41.5, 40, 10, 1),
    (6, '7896006219990', 'Vermífugo cães 10 kg', 4, 'CX', 18, 36, 50, 10, 1),
    (7, '7891000200209', 'Ração gatos castrados 10 kg', 2, 'SC', 150, 219.9, 8, 4, 1),
    (8, '7899912300111', 'Mordedor de borracha', 3, 'UN', 12, 29.9, 15, 5, 1),
    (9, '7890000000990', 'Colar elizabetano tamanho 5', 6, 'UN', 9, 19.9, 5, 0, 1),
    (10, '7898123450017', 'Ração a granel filhotes', 2, 'KG', 14, 24.9, 37.5, 10, 1);

-- ---------------------------------------------------------------------------------------------
-- Budgets: budget 7 for Thor (two services and a product), budget 8 for Rex
-- ---------------------------------------------------------------------------------------------
INSERT INTO Orcamentos (NumeroDoOrcamento, Data, CodigoDoCliente, CodigoDoAnimal, CodigoDoFuncionario,
                        ValidoAte, ValorTotal, Observacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (7, '2026-11-20 00:00:00', 95, 140, 3, '2026-12-20 00:00:00', 671.5,
     'Limpeza de tártaro com anestesia inalatória.', '2026-11-20 11:02:13', 'ana'),
    (8, '2026-11-25 00:00:00', 101, 150, 2, '2026-12-25 00:00:00', 880,
     NULL, '2026-11-25 16:40:00', 'fernanda');

INSERT INTO ItensDoOrcamento (NumeroDoOrcamento, NumeroDoItemDoOrcamento, TipoDeLancamento,
                              NumeroDoTipoDeServicoOuCodigoDeBarrasDoProduto,
                              CodigoDoServicoOuCodigoInternoDoProduto, Descricao, Quantidade,
                              ValorUnitario, ValorTotal, DescontoEmPercentual, DescontoEmValor,
                              ValorLiquido, Custo, TipoDeVenda) VALUES
    (7, 1, '1', '3', 8, 'Limpeza de tártaro', 1, 600, 600, 5, 30, 570, 120, '1'),
    (7, 2, '1', '1', 3, 'Aplicação de medicamento', 2, 30, 60, 0, 0, 60, 11, '1'),
    (7, 3, '2', '7897337705550', 5, 'Meloxicam 2 mg comprimidos', 1, 41.5, 41.5, 0, 0, 41.5, 22, '1'),
    (8, 1, '1', '3', 7, 'Orquiectomia canina', 1, 800, 800, 0, 0, 800, 180, '1'),
    (8, 2, '2', '7896009401234', 2, 'Antipulgas mastigável cães 20 a 40 kg', 1, 80, 80, 0, 0, 80, 145, '1');

-- ---------------------------------------------------------------------------------------------
-- Clinical records
-- ---------------------------------------------------------------------------------------------
-- Thor (140): 798 first visit, 805 return without treatment, 812 the latest with a return date.
-- Mia (141): 809. Luna (120): 790, created before the users were registered (creator 0).
-- Rex (150): 810. Pipoca (135): 801, whose veterinarian is the inactive employee 6.
INSERT INTO FichasClinicas (Numero, DataDeEmissao, TipoDeAtendimento, CodigoDoCliente, CodigoDoAnimal,
                            QueixaPrincipal, SGIApetite, SGIEmese, SGIEmeseFrequencia, SGIEmeseColoracao,
                            SGIDiarreia, SCRTosse, SGUCastrado, STPrurido, STDescricaoDoPrurido,
                            STMeneiosCefalicos, STSecrecaoOtologica,
                            EFPeso, EFFrequenciaCardiaca, EFFrequenciaRespiratoria, EFTemperatura,
                            EFTempoDePressaoCapilar, EFMucosas, EFDesidratacao, EFInspecao, EFLinfonodos,
                            EFDescricaoDeLifonodos, MNAlimentacao, MNContactantes,
                            Diagnostico, Tratamento, Internacao, DataDeRetorno,
                            CodigoDoVeterinario, CodigoDoUsuarioDaInclusao,
                            DataEHoraDaInclusao, UsuarioDaInclusao, DataEHoraDaAlteracao, UsuarioDaAlteracao,
                            NumeroDaVenda) VALUES
    (790, '2025-07-15 00:00:00', 1, 12, 120,
     'Coceira intensa nas orelhas.', 'Normal', 0, '', '',
     0, 0, -1, -1, 'Coça as orelhas e balança a cabeça.',
     -1, -1,
     6.2, 110, 28, 38.6,
     2, 'Róseas', 'Ausente', 'Conduto auditivo eritematoso, com cerume escuro.', 'Normais',
     '', 'Ração seca duas vezes ao dia', 'Nenhum',
     'Otite externa', 'Limpeza otológica e otológico tópico por 10 dias.', '', NULL,
     1, 0, '2025-07-15 10:20:31', 'carlos', NULL, NULL,
     NULL),
    (798, '2025-08-14 00:00:00', 1, 95, 140,
     'Vômitos há dois dias.', 'Diminuído', -1, 'Três vezes ao dia', 'Amarelada',
     -1, 0, 0, 0, '',
     0, 0,
     32.4, 96, 24, 39.4,
     2, 'Hipocoradas', 'Leve (5%)', 'Abdome sensível à palpação.', 'Normais',
     '', 'Ração premium e petiscos', 'Um gato',
     'Gastroenterite aguda', 'Fluidoterapia, ondansetrona e dieta gastrointestinal por 5 dias.', '', '2025-08-21 00:00:00',
     3, 1, '2025-08-14 09:41:18', 'ana', '2025-08-14 16:02:55', 'ana',
     41),
    (801, '2025-09-18 00:00:00', 1, 58, 135,
     'Não come há um dia.', 'Ausente', 0, '', '',
     0, 0, -1, 0, '',
     0, 0,
     3.9, 180, 36, 38.9,
     NULL, 'Róseas', 'Ausente', 'Sem alterações à inspeção.', 'Normais',
     '', 'Ração seca à vontade', 'Nenhum',
     'Lipidose hepática (suspeita)', 'Sonda esofágica e dieta hipercalórica.', 'Internada por 3 dias.', NULL,
     6, 2, '2025-09-18 14:03:09', 'fernanda', NULL, NULL,
     NULL),
    (805, '2026-02-03 00:00:00', 2, 95, 140,
     'Retorno: voltou a vomitar uma vez.', 'Normal', -1, 'Uma vez', 'Clara',
     0, 0, 0, 0, '',
     0, 0,
     33.1, 92, 22, 38.7,
     NULL, 'Róseas', 'Ausente', 'Sem alterações.', 'Normais',
     '', 'Dieta gastrointestinal', 'Um gato',
     'Gastrite (em investigação)', '', '', NULL,
     3, 1, '2026-02-03 10:15:42', 'ana', NULL, NULL,
     NULL),
    (809, '2026-10-30 00:00:00', 1, 95, 141,
     'Espirros e secreção ocular.', 'Normal', 0, '', '',
     0, 0, -1, 0, '',
     0, 0,
     3.2, 190, 40, 39.1,
     2, 'Róseas', 'Ausente', 'Secreção ocular serosa bilateral.', 'Submandibulares aumentados',
     'Submandibulares discretamente aumentados.', 'Ração seca e sachê', 'Thor (cão)',
     'Complexo respiratório felino', 'Colírio antibiótico e nebulização por 7 dias.', '', NULL,
     3, 1, '2026-10-30 10:05:27', 'ana', NULL, NULL,
     NULL),
    (810, '2026-11-16 00:00:00', 1, 101, 150,
     'Claudicação do membro posterior esquerdo.', 'Normal', 0, '', '',
     0, 0, 0, 0, '',
     0, 0,
     38, 88, 20, 38.5,
     2, 'Róseas', 'Ausente', 'Dor à manipulação do joelho esquerdo.', 'Normais',
     '', 'Ração premium', 'Outros cães do canil',
     'Ruptura de ligamento cruzado cranial', 'Cirurgia ortopédica; hospedagem pós-operatória.', 'Hospedado para recuperação.', NULL,
     2, 2, '2026-11-16 15:30:00', 'fernanda', '2026-11-17 09:12:40', 'fernanda',
     NULL),
    (812, '2026-11-20 00:00:00', 1, 95, 140,
     'Vômitos há dois dias e apatia.', 'Diminuído', -1, 'Duas vezes ao dia', 'Amarelada',
     -1, 0, 0, 0, '',
     0, 0,
     31.8, 104, 26, 39.6,
     3, 'Hipocoradas', 'Moderada (7%)', 'Abdome tenso, dor à palpação epigástrica.', 'Normais',
     '', 'Ração premium', 'Um gato',
     'Gastroenterite aguda', 'Internação para fluidoterapia; antiemético e analgesia.', 'Internado no canil 2, fluidoterapia 60 ml/h.', '2026-12-18 00:00:00',
     3, 1, '2026-11-20 09:35:12', 'ana', '2026-11-20 18:20:05', 'ana',
     NULL);

INSERT INTO Agendamentos (Numero, Situacao, CodigoDoFuncionario, DataInicial, DataFinal, CodigoDoServico,
                          NomeDoServico, NumeroDaFichaClinica, CodigoDoCliente, CodigoDoAnimal, Observacao,
                          TransporteBuscar, TransporteLevar, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (301, 1, 3, '2025-08-21 00:00:00', '2025-08-21 00:00:00', 0, 'Retorno', 798, 95, 140,
     'Agendamento referente a ficha clínica nº 798', 0, 0, '2025-08-14 09:41:18', 'ana'),
    (302, 1, 3, '2026-12-18 00:00:00', '2026-12-18 00:00:00', 0, 'Retorno', 812, 95, 140,
     'Agendamento referente a ficha clínica nº 812', 0, 0, '2026-11-20 09:35:12', 'ana'),
    (303, 1, 4, '2026-12-10 09:00:00', '2026-12-10 10:30:00', 10, 'Banho e tosa porte grande', NULL, 101, 150,
     'Buscar às 8h30.', -1, -1, '2026-11-28 14:00:00', 'recepcao');

-- ---------------------------------------------------------------------------------------------
-- Exam requests and their results. Request 52 belongs to no clinical record.
-- ---------------------------------------------------------------------------------------------
INSERT INTO Exames (Numero, DataDeEmissao, NumeroDaFichaClinica, CodigoDoVeterinario, CodigoDoCliente,
                    CodigoDoAnimal, CodigoDoLaboratorio, Relato, Amostra, ReceberResultadoPor, ExamePago,
                    HemogramaCompleto, ALTTGP, Creatinina, Ureia, FosfataseAlcalina, Albumina,
                    ParasitologicosDeFezes, Ultrassom, RaioX, FIVFELVElisa, HerpesVirusFelinoSN,
                    PerfilRespiratorioFelino, ImagemObservacao, OutrosExames, ResultadosDeExames, Observacao,
                    DataEHoraDaInclusao, UsuarioDaInclusao, DataEHoraDaAlteracao, UsuarioDaAlteracao) VALUES
    (52, '2025-06-30 00:00:00', NULL, 3, 95, 140, 2, 'Exame pré-anestésico.', 'Sangue total com EDTA',
     'Email', -1,
     -1, -1, -1, -1, 0, 0,
     0, 0, 0, 0, 0,
     0, '', '', 'Sem alterações.', 'Solicitado antes do cadastro da ficha.',
     '2025-06-30 14:10:00', 'ana', NULL, NULL),
    (55, '2025-08-14 00:00:00', 798, 3, 95, 140, 2, 'Vômitos há dois dias, suspeita de gastroenterite.',
     'Sangue total com EDTA e soro', 'Email', -1,
     -1, -1, -1, -1, -1, -1,
     -1, 0, 0, 0, 0,
     0, '', '', 'Leucocitose discreta; bioquímica normal.', '',
     '2025-08-14 09:55:31', 'ana', '2025-08-15 17:30:00', 'ana'),
    (56, '2026-10-30 00:00:00', 809, 3, 95, 141, 2, 'Espirros e secreção ocular.', 'Sangue; swab ocular',
     'Retirar na clínica', 0,
     -1, 0, 0, 0, 0, 0,
     0, 0, 0, -1, -1,
     -1, '', '', '', '',
     '2026-10-30 10:20:44', 'ana', NULL, NULL),
    (57, '2026-11-20 00:00:00', 812, 3, 95, 140, 2, 'Vômitos há dois dias e apatia.', 'Sangue total com EDTA e soro',
     'Email', -1,
     -1, -1, -1, -1, 0, -1,
     0, 0, 0, 0, 0,
     0, '', 'Lipase pancreática específica', '', 'Urgente.',
     '2026-11-20 09:50:16', 'ana', NULL, NULL),
    (58, '2026-11-20 00:00:00', 812, 3, 95, 140, 3, 'Suspeita de corpo estranho.', 'Paciente presente',
     'Laudo por email', 0,
     0, 0, 0, 0, 0, 0,
     0, -1, -1, 0, 0,
     0, 'Abdome total; tórax em duas projeções.', '', '', '',
     '2026-11-20 10:05:03', 'ana', NULL, NULL);

-- Request 54 went to the practice's own laboratory, which has no company name.
INSERT INTO Exames (Numero, DataDeEmissao, NumeroDaFichaClinica, CodigoDoVeterinario, CodigoDoCliente,
                    CodigoDoAnimal, CodigoDoLaboratorio, Relato, Amostra, ReceberResultadoPor, ExamePago,
                    ParasitologicosDeFezes, RaspadoDePele, CitologiaOtologica, ImagemObservacao, OutrosExames,
                    ResultadosDeExames, Observacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (54, '2025-07-15 00:00:00', 790, 1, 12, 120, 1, 'Prurido otológico e lombar.', 'Fezes; raspado; swab otológico',
     'Retirar na clínica', -1, -1, -1, -1, '', '', 'Malassezia sp. em grande quantidade.', '',
     '2025-07-15 10:30:02', 'carlos');

INSERT INTO ResultadosDeExames (Numero, NumeroDoExame, DataDoResultado, NomeDoExame, Resultado,
                                ValoresDeReferencia, ResponsavelTecnico, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (1, 55, '2025-08-15 00:00:00', 'Hemograma completo', 'Leucócitos 18.600/µl.', '6.000 a 17.000/µl',
     'Dra. Helena Prado', '2025-08-15 17:28:10', 'ana'),
    (2, 55, '2025-08-15 00:00:00', 'ALT (TGP)', '48 U/l', '10 a 88 U/l',
     'Dra. Helena Prado', '2025-08-15 17:29:02', 'ana');

-- ---------------------------------------------------------------------------------------------
-- Postings, the stock movements of the product postings, and a sale that billed two of them
-- ---------------------------------------------------------------------------------------------
INSERT INTO ServicosEfetuados (NumeroDeLancamento, DataDeLancamento, NumeroDaFichaClinica, CodigoDoFuncionario,
                               CodigoDoCliente, CodigoDoAnimal, NumeroDoTipoDeServico, CodigoDoServico,
                               Observacao, Quantidade, ValorUnitario, ValorTotal, DescontoEmPercentual,
                               DescontoEmValor, ValorLiquido, Custo, FuncionarioComissionado,
                               PercentualDeComissaoDoFuncionario, ValorDaComissaoDoFuncionario,
                               NumeroDaVenda, NumeroDaVendaCancelada, TipoDeLancamento, TipoDeVenda,
                               DataEHoraDaInclusao, UsuarioDaInclusao, DataEHoraDaAlteracao, UsuarioDaAlteracao) VALUES
    (201, '2025-08-14 00:00:00', 798, 3, 95, 140, 1, 1, 'Consulta', 1, 150, 150, 0, 0, 150, 0, -1,
     15, 22.5, 41, 0, '1', '1', '2025-08-14 10:02:41', 'ana', NULL, NULL),
    (202, '2026-11-20 00:00:00', 812, 3, 95, 140, 1, 1, 'Consulta', 1, 150, 150, 0, 0, 150, 0, -1,
     15, 22.5, 0, 0, '1', '1', '2026-11-20 10:12:09', 'ana', NULL, NULL),
    (203, '2026-11-20 00:00:00', 812, 3, 95, 140, 1, 3, 'Ondansetrona SC', 2, 30, 60, 0, 0, 60, 11, -1,
     15, 9, 0, 0, '1', '1', '2026-11-20 10:12:45', 'ana', '2026-11-20 15:00:19', 'ana'),
    (204, '2026-10-30 00:00:00', 809, 3, 95, 141, 1, 1, 'Consulta', 1, 150, 150, 10, 15, 135, 0, -1,
     15, 20.25, 0, 0, '1', '1', '2026-10-30 10:30:00', 'ana', NULL, NULL),
    (205, '2026-11-17 00:00:00', 810, 4, 101, 150, 6, 11, 'Hospedagem pós-operatória', 5, 90, 450, 0, 0, 450, 150, -1,
     10, 45, 0, 0, '1', '2', '2026-11-17 09:20:00', 'fernanda', NULL, NULL);

INSERT INTO ProdutosReservados (NumeroDeLancamento, DataDeLancamento, CodigoDoFuncionario, CodigoDoCliente,
                                CodigoInternoDoProduto, Observacao, Quantidade, ValorUnitario, ValorTotal,
                                DescontoEmPercentual, DescontoEmValor, ValorLiquido, Custo,
                                FuncionarioComissionado, PercentualDeComissaoDoFuncionario,
                                ValorDaComissaoDoFuncionario, NumeroDaVenda, NumeroDaVendaCancelada,
                                NumeroDaFichaClinica, TipoDeLancamento, TipoDeVenda,
                                DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (401, '2025-08-14 00:00:00', 3, 95, 2, 'Antipulgas', 1, 229.9, 229.9, 0, 0, 229.9, 145, -1,
     5, 11.5, 41, 0, 798, '2', '1', '2025-08-14 10:03:30', 'ana'),
    (402, '2026-11-20 00:00:00', 3, 95, 5, 'Para casa após a alta', 2, 41.5, 83, 0, 0, 83, 44, -1,
     5, 4.15, 0, 0, 812, '2', '1', '2026-11-20 10:14:02', 'ana'),
    (403, '2026-11-20 00:00:00', 3, 95, 4, '', 1, 54.9, 54.9, 0, 0, 54.9, 28.5, -1,
     5, 2.75, 0, 0, 812, '2', '1', '2026-11-20 10:14:40', 'ana'),
    (404, '2026-11-17 00:00:00', 2, 101, 1, 'Ração do hospedado', 1, 259.9, 259.9, 0, 0, 259.9, 180, -1,
     3, 7.8, 0, 0, 810, '2', '2', '2026-11-17 09:25:00', 'fernanda');

-- The stock balances of Produtos are the results of these movements.
INSERT INTO HistoricoDeProdutos (Numero, DataDoLancamento, HoraDoLancamento, TipoDeLancamento,
                                 CodigoInternoDoProduto, SaldoAnterior, QuantidadeMovimentada, SaldoAtual,
                                 Observacao, Situacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (1, '2025-08-14 00:00:00', '1899-12-30 10:03:00', 3, 2, 13, 1, 12,
     'Saída por Pré-Venda na ficha clínica no. 798', 1, '2025-08-14 10:03:30', 'ana'),
    (2, '2026-11-17 00:00:00', '1899-12-30 09:25:00', 3, 1, 26, 1, 25,
     'Saída por Pré-Venda na ficha clínica no. 810', 1, '2026-11-17 09:25:00', 'fernanda'),
    (3, '2026-11-20 00:00:00', '1899-12-30 10:14:00', 3, 5, 42, 2, 40,
     'Saída por Pré-Venda na ficha clínica no. 812', 1, '2026-11-20 10:14:02', 'ana'),
    (4, '2026-11-20 00:00:00', '1899-12-30 10:14:00', 3, 4, 19, 1, 18,
     'Saída por Pré-Venda na ficha clínica no. 812', 1, '2026-11-20 10:14:40', 'ana');

INSERT INTO Vendas (Numero, Data, CodigoDoCliente, CodigoDoFuncionario, ValorTotal, ValorDoDesconto,
                    ValorLiquido, FormaDePagamento, Cancelada, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (41, '2025-08-14 00:00:00', 95, 5, 379.9, 0, 379.9, 'Cartão de crédito', 0, '2025-08-14 16:10:00', 'recepcao');

INSERT INTO ItensDeVendas (Numero, NumeroDaVenda, NumeroDoServicoEfetuado, NumeroDoProdutoReservado, Descricao,
                           Quantidade, ValorUnitario, ValorTotal, DescontoEmValor, ValorLiquido,
                           DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (1, 41, 201, NULL, 'Consulta clínica', 1, 150, 150, 0, 150, '2025-08-14 16:10:00', 'recepcao'),
    (2, 41, NULL, 401, 'Antipulgas mastigável cães 20 a 40 kg', 1, 229.9, 229.9, 0, 229.9,
     '2025-08-14 16:10:00', 'recepcao');

-- ---------------------------------------------------------------------------------------------
-- Prescriptions (60 belongs to no clinical record; 62 is controlled and was dispensed)
-- ---------------------------------------------------------------------------------------------
INSERT INTO Receitas (Numero, Data, NumeroDaFichaClinica, CodigoDoCliente, CodigoDoAnimal, ReceitaControlada,
                      Prescricao, CodigoDoVeterinario, DataEHoraDaInclusao, UsuarioDaInclusao,
                      DataEHoraDaAlteracao, UsuarioDaAlteracao) VALUES
    (60, '2025-06-30 00:00:00', NULL, 95, 140, 0,
     'Vermífugo cães 10 kg: 3 comprimidos em dose única; repetir em 15 dias.', 3,
     '2025-06-30 14:20:00', 'ana', NULL, NULL),
    (61, '2025-08-14 00:00:00', 798, 95, 140, 0,
     'Omeprazol 10 mg: 3 cápsulas, uma vez ao dia, em jejum, por 10 dias.', 3,
     '2025-08-14 10:20:05', 'ana', NULL, NULL),
    (62, '2026-11-20 00:00:00', 812, 95, 140, -1,
     'Cloridrato de tramadol 50 mg: 1 comprimido a cada 12 horas por 5 dias.', 3,
     '2026-11-20 18:25:47', 'ana', NULL, NULL),
    (63, '2026-11-20 00:00:00', 812, 95, 140, 0,
     'Dieta gastrointestinal úmida por 15 dias.', 3,
     '2026-11-20 18:27:02', 'ana', '2026-11-21 08:40:13', 'ana'),
    (64, '2026-11-16 00:00:00', 810, 101, 150, 0,
     'Meloxicam 2 mg: 1 comprimido ao dia por 5 dias.', 2,
     '2026-11-16 16:00:00', 'fernanda', NULL, NULL);

INSERT INTO DispensacoesDeReceitas (Numero, NumeroDaReceita, DataDaDispensacao, Farmacia, Farmaceutico,
                                    Observacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (1, 62, '2026-11-21 00:00:00', 'Farmácia Popular Centro', 'Marcos Vieira', 'Via retida pela farmácia.',
     '2026-11-21 09:00:00', 'recepcao');

-- ---------------------------------------------------------------------------------------------
-- Medications given during Thor's hospitalisation (record 812) and earlier
-- ---------------------------------------------------------------------------------------------
INSERT INTO Medicacoes (Numero, CodigoDoMedicamento, Quantidade, Unidade, Via, Data, Hora, Observacao,
                        NumeroDaFichaClinica, CodigoDoVeterinario, CodigoDoCliente, CodigoDoAnimal,
                        DataEHoraDaInclusao, UsuarioDaInclusao, DataEHoraDaAlteracao, UsuarioDaAlteracao) VALUES
    (1, 1, '1,5', 'ml', 'Intravenosa', '2026-11-20 00:00:00', '1899-12-30 10:30:00', 'Lenta, diluída.',
     812, 3, 95, 140, '2026-11-20 10:42:15', 'ana', NULL, NULL),
    (2, 5, '1', 'ml', 'Subcutânea', '2026-11-20 00:00:00', '1899-12-30 14:00:00', NULL,
     812, 3, 95, 140, '2026-11-20 14:03:51', 'ana', NULL, NULL),
    (3, 4, '0,6', 'ml', 'Intramuscular', '2026-11-20 00:00:00', '1899-12-30 20:00:00', 'Controlado: registrar no livro.',
     812, 3, 95, 140, '2026-11-20 20:05:33', 'ana', NULL, NULL),
    (4, 5, '1', 'ml', 'Intravenosa', '2025-08-14 00:00:00', '1899-12-30 10:00:00', NULL,
     798, 3, 95, 140, '2025-08-14 10:01:27', 'ana', NULL, NULL),
    (5, 2, '0,3', 'ml', 'Subcutânea', '2026-11-16 00:00:00', '1899-12-30 16:30:00', NULL,
     810, 2, 101, 150, '2026-11-16 16:35:00', 'fernanda', NULL, NULL);

INSERT INTO ChecagensDeMedicacoes (Numero, NumeroDaMedicacao, DataEHoraDaChecagem, CodigoDoFuncionario,
                                   Observacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (1, 1, '2026-11-20 10:31:00', 5, 'Aplicada sem intercorrências.', '2026-11-20 10:45:00', 'recepcao');

-- ---------------------------------------------------------------------------------------------
-- Vaccinations: applied doses, and pending doses (overdue, due today and still to come). Their dates
-- count from the day the database is made, so the card reads the same in any year: '{today-37}'
-- is written as the date 37 days before it, whatever the engine.
-- ---------------------------------------------------------------------------------------------
INSERT INTO Vacinacoes (Codigo, DataDaAplicacao, NumeroDaFichaClinica, CodigoDoCliente, CodigoDoAnimal,
                        CodigoDaVacina, NumeroDaDose, NumeroDeDoses, IntervaloEntreAsDoses,
                        CodigoDoVeterinario, VacinaAplicada, Partida, Observacao,
                        DataEHoraDaInclusao, UsuarioDaInclusao, DataEHoraDaAlteracao, UsuarioDaAlteracao) VALUES
    (70, '{today+0} 00:00:00', NULL, 95, 140, 4, 1, 1, 365, 3, 0, '', 'Dose marcada para hoje.',
     '{today-37} 10:26:00', 'ana', NULL, NULL),
    (71, '{today-480} 00:00:00', 798, 95, 140, 1, 1, 3, 21, 3, -1, 'V10-0412', '',
     '{today-480} 10:05:00', 'ana', NULL, NULL),
    (72, '{today-459} 00:00:00', NULL, 95, 140, 1, 2, 3, 21, 3, -1, 'V10-0412', 'Aplicada sem consulta.',
     '{today-459} 09:30:00', 'ana', NULL, NULL),
    (73, '{today-438} 00:00:00', NULL, 95, 140, 1, 3, 3, 21, 3, 0, '', 'Tutora não compareceu.',
     '{today-459} 09:31:00', 'ana', NULL, NULL),
    (74, '{today-16} 00:00:00', 812, 95, 140, 2, 1, 1, 365, 3, -1, 'RAB-1187', '',
     '{today-16} 10:08:20', 'ana', NULL, NULL),
    (75, '{today+1079} 00:00:00', NULL, 95, 140, 2, 1, 1, 365, 3, 0, '', 'Reforço antirrábico trienal.',
     '{today-16} 10:08:50', 'ana', NULL, NULL),
    (76, '{today-37} 00:00:00', 809, 95, 141, 5, 1, 2, 21, 3, -1, 'V4F-0077', '',
     '{today-37} 10:25:00', 'ana', NULL, NULL),
    (77, '{today-16} 00:00:00', NULL, 95, 141, 5, 2, 2, 21, 3, 0, '', '',
     '{today-37} 10:25:30', 'ana', NULL, NULL),
    (78, '{today-20} 00:00:00', 810, 101, 150, 4, 1, 1, 365, 2, -1, 'BOR-0033', '',
     '{today-20} 15:50:00', 'fernanda', NULL, NULL);

INSERT INTO AtestadosDeVacinacao (Numero, CodigoDaVacinacao, DataDeEmissao, CodigoDoVeterinario, Finalidade,
                                  Observacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES
    (1, 74, '{today-16} 00:00:00', 3, 'Viagem interestadual', NULL, '{today-16} 10:30:00', 'ana');
