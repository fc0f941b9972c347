object DemoForm: TDemoForm
  Left = 160
  Top = 120
  Width = 900
  Height = 720
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
    First = ADCHighlight
    Menu = MainMenu1
    AutoSize = False
    Picture.Data = <../../app/board.jpg>
    Stretch = True
    object ADCHighlight: TBoardHighlight
      Left = 184
      Top = 178
      Width = 224
      Height = 104
      HighlightType = htCalibration
      RadioPanel = ADCPanel
      Title = 'A/D Calibration'
    end
    object ReferenceHighlight: TBoardHighlight
      Left = 244
      Top = 302
      Width = 112
      Height = 64
      HighlightType = htCalibration
      RadioPanel = ReferencePanel
      Title = 'Reference Check'
    end
  end
  object ADCPanel: TRadioPanel
    Left = 16
    Top = 16
    Width = 313
    Height = 169
    Lines.Strings = (
      
        'Start reads the eight A/D channels ten times a second and shows ' +
        'each one'#39's offset and gain; Stop ends the calibration.')
    MemoHeight = 44
    BevelOuter = bvNone
    TabOrder = 0
    object ADCList: TListBox
      Left = 8
      Top = 8
      Width = 297
      Height = 124
      TabOrder = 0
      Items.Strings = (
        'Channel 0'#9'not calibrated'
        'Channel 1'#9'not calibrated'
        'Channel 2'#9'not calibrated'
        'Channel 3'#9'not calibrated'
        'Channel 4'#9'not calibrated'
        'Channel 5'#9'not calibrated'
        'Channel 6'#9'not calibrated'
        'Channel 7'#9'not calibrated')
    end
    object ADCStartButton: TButton
      Left = 8
      Top = 138
      Width = 75
      Height = 25
      Caption = 'Start'
      TabOrder = 1
      OnClick = StartButtonClick
    end
    object ADCHint: TLabel
      Left = 92
      Top = 144
      Width = 200
      Height = 13
      Caption = 'No channel has been read yet.'
    end
  end
  object ReferencePanel: TRadioPanel
    Left = 16
    Top = 200
    Width = 313
    Height = 169
    Lines.Strings = (
      
        'The same channels against the on-board reference. Start and Stop' +
        ' act on both lists.')
    MemoHeight = 44
    BevelOuter = bvNone
    TabOrder = 1
    object ReferenceList: TListBox
      Left = 8
      Top = 8
      Width = 297
      Height = 124
      TabOrder = 0
      Items.Strings = (
        'Channel 0'
        'Channel 1'
        'Channel 2'
        'Channel 3'
        'Channel 4'
        'Channel 5'
        'Channel 6'
        'Channel 7')
    end
    object ReferenceStartButton: TButton
      Left = 8
      Top = 138
      Width = 75
      Height = 25
      Caption = 'Start'
      TabOrder = 1
      OnClick = StartButtonClick
    end
    object ReferenceHint: TLabel
      Left = 92
      Top = 144
      Width = 200
      Height = 13
      Caption = 'No channel has been read yet.'
    end
  end
  object MainMenu1: TMainMenu
    Left = 16
    Top = 8
    object File1: TMenuItem
      Caption = '&File'
      object Exit1: TMenuItem
        Caption = '&Exit'
        OnClick = Exit1Click
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
    Channels = 8
    ChangeButtons = True
    OnBeginCalib = SetSupBeginCalib
    OnGetCardString = SetSupGetCardString
    OnGetCalibString = SetSupGetCalibString
    OnStopButtonClick = StopButtonClick
    OnStartButtonClick = StartButtonClick
    Left = 56
    Top = 8
  end
end
