<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>Sobre o Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>Copyright © 2016 Brevane. Todos os direitos reservados.</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane e o logotipo Brevane são marcas comerciais da Brevane nos Estados Unidos e em outros países.</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>O Kestrova Bootable oferece um conjunto básico de utilitários de diagnóstico em um ambiente independente do sistema operacional instalado. Ele permite testar, diagnosticar e, possivelmente, reparar o seu disco rígido, mesmo que o ambiente do sistema operacional esteja inacessível.</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>Contrato de licença</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Concluído</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>Alerta</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>ATENÇÃO!</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>O menu de testes avançados tem opções que podem apagar seus dados ou tornar a unidade inutilizável para o seu sistema. Se continuar, você poderá perder dados.

Faça backup de todos os dados importantes antes de usar qualquer teste avançado.

A Brevane não se responsabiliza por dados perdidos do usuário.

Leia os arquivos de ajuda ou entre em contato com o suporte técnico da Brevane antes de usar os testes avançados.

Pressione F8 para habilitar os testes avançados. Clique em Cancelar para voltar aos testes básicos.</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Entre em contato com o suporte técnico da Brevane</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>Deseja fechar o aplicativo? (Há testes em execução)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>Contrato de licença</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>Não aceito</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>Aceito</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Concluído</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>Apagar intervalo</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA máximo:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Início:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Fim:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Erase Time</source>
            <translation>Apagamento por tempo</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA máximo:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>LBA inicial:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>Unidade de tempo:</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>horas</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>minutos</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>segundos</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>Duração:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova - Ajuda</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>Informações da unidade</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Informações da unidade salvas</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>Informações e resultados dos testes</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>Número do modelo</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Número de série</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>Revisão do firmware</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>LBA máximo</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>Gerenciamento de energia obrigatório</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>Modo de segurança</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>Suporte a endereçamento de 48 bits</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>Gerenciamento avançado de energia</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>Suporte ao autoteste SMART</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>Suporte ao registro de erros SMART</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>Temperatura da unidade (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>Horas ligada</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>Tamanho do cache</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>Suporte ao registro de uso geral (GPL)</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>Status de segurança</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>Download de microcódigo</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>Bloqueio de segurança</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>Suportado</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>Não suportado</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>Ativado</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>Desativado</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Desativado</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Sim</translation>
        </message>
        <message>
            <source>False</source>
            <translation>Não</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>Desconhecido</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>Não informado</translation>
        </message>
        <message>
            <source>%1 MB</source>
            <translation>%1 MB</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1, %2 </source>
            <translation>%1, %2 </translation>
        </message>
        <message>
            <source>%1, %2, %3</source>
            <translation>%1, %2, %3</translation>
        </message>
        <message>
            <source>Frozen</source>
            <translation>Congelado</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>Não congelado</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>Segmentado</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>Não segmentado</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>Adiado</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>Não adiado</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>Capacidade</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>Tamanho do setor</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>Versão NVMe</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>ID do namespace</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>Formato LBA em uso</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>Autoteste do dispositivo</translation>
        </message>
        <message>
            <source>Sanitize</source>
            <translation>Sanitize</translation>
        </message>
        <message>
            <source>Format NVM</source>
            <translation>Format NVM</translation>
        </message>
        <message>
            <source>Critical Warning</source>
            <translation>Aviso crítico</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>Temperatura composta (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>Reserva disponível</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>Limite da reserva disponível</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>Porcentagem usada</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>Dados lidos</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>Dados gravados</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>Ciclos de energia</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>Desligamentos inseguros</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>Erros de mídia e de integridade de dados</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>Entradas do registro de erros</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>Saúde e autoteste</translation>
        </message>
        <message>
            <source>%1 (%2 GB)</source>
            <translation>%1 (%2 GB)</translation>
        </message>
        <message>
            <source>%1 GB</source>
            <translation>%1 GB</translation>
        </message>
        <message>
            <source>Logical %1 bytes, physical %2 bytes</source>
            <translation>Lógico %1 bytes, físico %2 bytes</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>Não disponível: a unidade é acessada como um dispositivo de blocos simples</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>Anterior à 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>Formato %1: %2 bytes, %3 bytes de metadados</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>Formato %1: %2 bytes</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>Apagamento de blocos</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Apagamento criptográfico</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sobrescrita</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>Apagamento dos dados do usuário</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>Reserva disponível abaixo do limite</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>Temperatura fora dos limites</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>Confiabilidade degradada</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>Mídia somente leitura</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>Falha no backup da memória volátil</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>Região de memória persistente não confiável</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>Aviso desconhecido 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Nenhum</translation>
        </message>
        <message>
            <source>%1 %</source>
            <translation>%1 %</translation>
        </message>
    </context>
    <context>
        <name>KV4L</name>
        <message>
            <source>English</source>
            <translation>português</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>Progresso do teste</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>Modelo</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Número de série</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revisão</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>Lista de unidades</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Arquivo</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>&amp;Nova varredura</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>Testes &amp;básicos</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>Recursos a&amp;vançados</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Idioma</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;juda</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Sair</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>S&amp;obre</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>&amp;Ver log</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>&amp;Salvar log...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>Salvar log</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>&amp;Verificação S.M.A.R.T.</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>Verificação S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>&amp;Autoteste curto da unidade</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>Teste genérico &amp;curto</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Teste genérico curto</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>Teste genérico &amp;longo</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Rápido</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Longo</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>Parar discos</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>Definir LBA máximo</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>Apagar</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>Sobrescrita completa</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>Apagar trilha ZERO</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Intervalo</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Tempo</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sobrescrever</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>Cripto</translation>
        </message>
        <message>
            <source>IDD 70</source>
            <translation>IDD 70</translation>
        </message>
        <message>
            <source>IDD 71</source>
            <translation>IDD 71</translation>
        </message>
        <message>
            <source>Powering off once the running operations have stopped</source>
            <translation>Desligando assim que as operações em andamento pararem</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Selecionar idioma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>MsgAlert</name>
        <message>
            <source>Alert</source>
            <translation>Alerta</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>Não é possível salvar o arquivo.</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>Seu pen drive pode estar cheio.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>MsgDangerous</name>
        <message>
            <source>Alert</source>
            <translation>Alerta</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>Esta ação modificará a(s) unidade(s) selecionada(s) e poderá sobrescrever seus dados. A Brevane não se responsabiliza pela perda de dados. Pressione F8 para continuar.</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>Alerta</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>Esta ação modificará a(s) unidade(s) selecionada(s) e poderá sobrescrever seus dados. A Brevane não se responsabiliza pela perda de dados. Pressione F8 para continuar.

Quando este teste começar, você precisará aguardar até o fim da execução. Ele continuará por várias horas.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NÃO EXECUTÁVEL</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>APROVADO</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>FALHA</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NÃO EXECUTÁVEL</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>EM ANDAMENTO</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>INTERROMPIDO</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Área externa</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Área interna</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Leitura aleatória</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>SANITIZAÇÃO FALHOU</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>Verificação</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>Salvar</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Informações da unidade salvas</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>Definir LBA máximo</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>LBA máximo atual:</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>Nova contagem máxima de LBA:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>Restaurar capacidade nativa</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>Verificação por releitura: setores não apagados</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>Verificação por releitura: a unidade parou de responder</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Teste genérico curto</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>Teste genérico longo</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>Autoteste curto da unidade</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>Verificação S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>Autoteste curto da unidade</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>Verificação S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Área externa</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Área interna</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Leitura aleatória</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>Apagamento completo</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>Corrigido</translation>
        </message>
        <message>
            <source>started</source>
            <translation>iniciado</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Sim</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>FALHA</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>INTERROMPIDO</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>APROVADO</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NÃO EXECUTÁVEL</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>EM ANDAMENTO</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>Teste interrompido pelo usuário</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Informações da unidade salvas</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>Definir LBA máximo</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>Contagem máxima de LBA atual:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Novo máx.</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>Restaurar capacidade nativa</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Início:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Fim:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All Longo</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All Rápido</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>A sanitização falhou: a unidade precisa de uma nova sanitização</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>Não foi possível gravar</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>A unidade não oferece esta operação</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>A unidade parou de responder</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>A unidade parou de responder no LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>A unidade recusou a leitura no LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>Setores ilegíveis:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>A unidade não conseguiu ler os setores a partir do LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>A unidade recusou a gravação no LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>A unidade recusou a gravação</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>A unidade relatou uma falha, código da biblioteca:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>Atributo SMART além do seu limite:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>O status SMART da unidade prevê uma falha</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>O registro de saúde da unidade indica um aviso crítico:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>O autoteste falhou:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>O autoteste não terminou a tempo</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>A unidade não relatou a conclusão do trabalho</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>A unidade não informa nenhuma capacidade</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>O intervalo não contém nenhum setor</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>A unidade parou de progredir</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>O registro de autotestes não indica nenhum LBA com falha</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>Setores demais para reparar:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>PSID incorreto</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>O diagnóstico interno da unidade relatou uma falha:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Motivo:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>Regravado</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>Programa iniciado</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>Programa encerrado</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>INTERROMPIDA: o programa terminou antes da operação</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>Ver log</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>Alterar imagem</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>faltam</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erro</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>concluído</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Novo máx.</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>Registros mantidos na memória</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>Não é possível gravar na mídia de inicialização; por isso, os registros das unidades ficam na memória e serão perdidos quando a máquina for desligada.

Para mantê-los, pressione Alt+F4 na janela principal para abrir um terminal e copie os arquivos de /logs para outra mídia.</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>Mídia de inicialização</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>O programa é executado a partir desta unidade e grava nela os seus registros. Operações que alteram ou param uma unidade não são executadas nela.</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>A unidade %1 é a mídia a partir da qual este programa é executado e contém os registros. Operações que alteram ou param uma unidade não são executadas nela.

Desmarque-a e escolha a operação novamente para as outras unidades.</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>Nenhuma unidade foi encontrada.</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>Conecte a unidade e pressione “Nova varredura”; uma unidade recém-ligada pode precisar de alguns segundos.</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>Verifique se os cabos de dados e de energia da unidade estão bem conectados nas duas pontas, ou tente outra porta ou outro cabo.</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>Se a unidade estiver conectada, mas não aparecer, o modo de armazenamento do firmware pode ocultá-la: mude o modo SATA de RAID para AHCI na configuração do firmware e ligue a máquina novamente.</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>Nenhuma unidade foi encontrada além da mídia de inicialização.</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>Resultados: conectando a %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>Resultados: todos enviados para %1</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>Resultados: %1 aguardando envio para %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>Resultados: falha no envio para %1 (%2); %3 aguardando, tentando novamente</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>Os resultados ficam apenas em arquivos locais: %1 não é um endereço http:// ou https:// válido</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>Os resultados ficam apenas em arquivos locais: o certificado de %1 foi recusado (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>Não foi possível salvar a lista de resultados a enviar: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>Resultados: não foi possível acessar %1 (%2); tentando novamente</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>Certificado de sanitização</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>Pessoa que realizou a sanitização</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>Operador</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>Organização</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>Informações da mídia</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>Fabricante</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Modelo</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>Número de série</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>Tipo de mídia</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Origem</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>Detalhes da sanitização</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Categoria</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Limpeza</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>Expurgo</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>Método utilizado</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sobrescrita</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Apagamento criptográfico</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>Detalhes do método</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>Ferramenta utilizada</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>Método de verificação</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>Completa: cada setor relido</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>Amostragem rápida: setores relidos</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Nenhum</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>Resultado da verificação</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>não verificado</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>Setores lidos</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>Divergências</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>Iniciado</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>SHA-256 do registro de resultados</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Assinatura</translation>
        </message>
    </context>
</TS>
