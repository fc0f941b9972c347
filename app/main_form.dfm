object MainForm: TMainForm
  Left = 203
  Top = 250
  Width = 855
  Height = 708
  Align = alClient
  Caption = 'Setup'
  Color = clWhite
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  WindowState = wsMaximized
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object BoardImage1: TBoardImage
    Left = 134
    Top = 34
    Width = 600
    Height = 561
    First = dipSwitchHighlight
    Menu = MainMenu1
    AutoSize = False
    Picture.Data = <board.jpg>
    Stretch = True
    object PCI104Highlight: TBoardHighlight
      Left = 128
      Top = 24
      Width = 353
      Height = 57
      HighlightType = htOptions
      RadioPanel = PCI104Panel
      Title = 'PCI/104 Connector'
    end
    object PC104Highlight: TBoardHighlight
      Left = 72
      Top = 472
      Width = 473
      Height = 65
      HighlightType = htOptions
      RadioPanel = PC104Panel
      Title = 'PC/104 Connector'
    end
    object header1highlight: TBoardHighlight
      Left = 504
      Top = 104
      Width = 97
      Height = 305
      HighlightType = htOptions
      RadioPanel = Header1Panel
      Title = 'Header 1'
    end
    object header2highlight: TBoardHighlight
      Left = 8
      Top = 120
      Width = 81
      Height = 289
      HighlightType = htOptions
      RadioPanel = Header2Panel
      Title = 'Header 2'
    end
    object dipSwitchHighlight: TBoardHighlight
      Left = 416
      Top = 96
      Width = 33
      Height = 25
      RadioPanel = switchPanel
      Title = 'Dip Switches'
    end
  end
  object PCI104Panel: TRadioPanel
    Left = 584
    Top = 16
    Width = 233
    Height = 9
    Lines.Strings = (
      'This is the PCI/104 connector for the board')
    BevelOuter = bvNone
    TabOrder = 1
  end
  object PC104Panel: TRadioPanel
    Left = 640
    Top = 600
    Width = 201
    Height = 9
    Lines.Strings = (
      
        'This is the PC/104 pass through connector. Any signal passing th' +
        'rough this connector is ignored by the board.')
    BevelOuter = bvNone
    TabOrder = 2
  end
  object Header1Panel: TRadioPanel
    Left = 736
    Top = 240
    Width = 201
    Height = 9
    Lines.Strings = (
      
        'This is the connector for Ports A through D on the board. For mo' +
        're information please see the manual.')
    BevelOuter = bvNone
    TabOrder = 3
  end
  object Header2Panel: TRadioPanel
    Left = 0
    Top = 120
    Width = 233
    Height = 9
    Lines.Strings = (
      
        'This is the connector for Ports E through H on the board. For mo' +
        're information please see the manual.')
    BevelOuter = bvNone
    TabOrder = 4
  end
  object switchPanel: TRadioPanel
    Left = 24
    Top = 304
    Width = 313
    Height = 97
    Lines.Strings = (
      
        'The DIP switch MUST be set to reflect the board'#39's position relati' +
        've to the processor board. For more information please see the m' +
        'anual.')
    BevelOuter = bvNone
    TabOrder = 5
    object DipSwitch1: TDipSwitch
      Left = 24
      Top = 24
      Width = 41
      Height = 41
      Orientation = otLeft
      NumSwitches = 2
      BinaryValueStr = '00'
      Value = 0
      OnMouseDown = DipSwitch1MouseDown
    end
    object ComboBox1: TComboBox
      Left = 72
      Top = 32
      Width = 225
      Height = 21
      ItemHeight = 13
      TabOrder = 0
      Text = 'Position 0 (directly on processor board)'
      OnChange = ComboBox1Change
      Items.Strings = (
        'Position 0 (directly on processor board)'
        'Position 2'
        'Position 1'
        'Position 3')
    end
  end
  object MainMenu1: TMainMenu
    Left = 16
    Top = 8
    object File1: TMenuItem
      Caption = '&File'
      object Exit2: TMenuItem
        Caption = '&Exit'
        OnClick = Exit2Click
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object Howtousethisprogram1: TMenuItem
        Caption = 'H&ow to use this program'
        OnClick = Howtousethisprogram1Click
      end
      object TechnicalSupport1: TMenuItem
        Caption = '&Technical Support'
        OnClick = TechnicalSupport1Click
      end
    end
  end
  object SetSup: TSetupSupporter
    CompanyName = 'Halvern'
    CardNameA = 'HX-OCTSER'
    CardNameB = 'HX-OCTSER'
    CallHow = 'between 8 am and 5 pm Pacific Time at 1-800-555-0147'
    Channels = 0
    ChangeButtons = True
    Left = 56
    Top = 8
  end
end
